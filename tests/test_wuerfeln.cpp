#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Wuerfeln.h"
#include "platform/ImageList.h"

#include <QAccessible>
#include <QLineEdit>

namespace {

// Yellow at the centres of a 3 x 3 grid of pip places.
int countPips(const QImage& face)
{
    int pips = 0;
    for (int x : {11, 20, 29})
        for (int y : {11, 20, 29}) {
            const QRgb c = face.pixel(x, y);
            pips += qRed(c) > 200 && qGreen(c) > 150 && qBlue(c) < 100;
        }
    return pips;
}

} // namespace

class TestWuerfeln : public WindowOf<fmWuerfeln> {
    Q_OBJECT
private:
    // The answer to a task with `sixes` sixes; an entry equal to the shown one is left untouched.
    void answerSixes(int sixes, const QString& entry)
    {
        wuerfeln::Task t;
        t.sixes = sixes;
        fmWuerfeln->setTask(t);
        fmWuerfeln->Edit1->setFocus();
        if (entry != fmWuerfeln->Edit1->text())
            type(fmWuerfeln->Edit1, entry);
        QTest::keyClick(fmWuerfeln->Edit1, Qt::Key_F9);
    }

private slots:
    void newTask()
    {
        Random().setSeed(4711);
        TRandom copy(4711);
        fmWuerfeln->Edit1->setText(QStringLiteral("17"));
        QTest::keyClick(fmWuerfeln->Edit1, Qt::Key_F2);
        const wuerfeln::Task t = wuerfeln::MakeTask(copy);
        QCOMPARE(fmWuerfeln->task().sixes, t.sixes);
        QCOMPARE(fmWuerfeln->task().faces, t.faces);
        QCOMPARE(fmWuerfeln->Edit1->text(), QStringLiteral("0"));
        QVERIFY(fmWuerfeln->sbCheckIt->isEnabled());
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("sixes");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("correction");
        QTest::addRow("no sixes, untouched 0") << 0 << "0" << true << "";
        QTest::addRow("all sixes") << 120 << "100" << true << "";
        QTest::addRow("3 half down to 2") << 3 << "2" << true << "";
        QTest::addRow("3 not 3") << 3 << "3" << false << "3 Sechser, das sind 2% !";
        QTest::addRow("9 half up to 8") << 9 << "8" << true << "";
        QTest::addRow("15 half down to 12") << 15 << "13" << false << "15 Sechser, das sind 12% !";
        QTest::addRow("21 gives 18") << 21 << "17" << false << "21 Sechser, das sind 18% !";
        QTest::addRow("27 gives 22") << 27 << "22" << true << "";
        QTest::addRow("20 no tolerance") << 20 << "16" << false << "20 Sechser, das sind 17% !";
        QTest::addRow("above spin range") << 20 << "117" << false << "20 Sechser, das sind 17% !";
        QTest::addRow("leading blanks") << 20 << "  17" << true << "";
        QTest::addRow("int min") << 0 << "-2147483648" << false << "0 Sechser, das sind 0% !";
    }
    void verdicts()
    {
        QFETCH(int, sixes);
        QFETCH(QString, entry);
        QFETCH(bool, right);
        QFETCH(QString, correction);
        answerSixes(sixes, entry);
        expectVerdict(right, correction);
    }

    void invalidEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addRow("percent sign") << "17%";
        QTest::addRow("decimal comma") << "16,7";
        QTest::addRow("blank after") << "17 ";
        QTest::addRow("empty") << "";
        QTest::addRow("beyond 32 bit") << "2147483648";
    }
    void invalidEntries()
    {
        QFETCH(QString, entry);
        answerSixes(20, entry);
        expectInvalid(conversionError(entry), TInvalidEntry::Refuse);
        QCOMPARE(fmWuerfeln->Edit1->text(), entry);
        m_messages.clear();
        answerSixes(20, QStringLiteral("17")); // the same task, now counted once
        expectVerdict(true);
    }

    void facesShowTheirPips()
    {
        QCOMPARE(fmWuerfeln->ImageList1->count(), 6);
        QImage face;
        for (int i = 0; i < 6; ++i) {
            QVERIFY(fmWuerfeln->ImageList1->GetBitmap(i, face));
            QCOMPARE(face.size(), QSize(40, 40));
            QCOMPARE(countPips(face), i + 1);
            QCOMPARE(face.pixel(0, 0), qRgb(255, 255, 255)); // rounded corner on white
            QVERIFY(qBlue(face.pixel(20, 3)) > 2 * qRed(face.pixel(20, 3)));
        }
    }

    void paintsDiceInThrowOrder()
    {
        wuerfeln::Task t;
        for (int k = 1; k <= 120; ++k)
            t.faces[static_cast<size_t>(k - 1)] = (k * 7 + k / 15) % 6;
        t.faces[119] = 9; // not a face: its cell stays empty
        fmWuerfeln->setTask(t);
        const QImage shot = fmWuerfeln->grab(fmWuerfeln->PaintBox1->geometry())
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        const QRgb maroon = qRgb(128, 0, 0);
        QImage face;
        for (int k = 1; k <= 120; ++k) {
            const QPoint at(5 + 50 * ((k - 1) % 15), 5 + 50 * ((k - 1) / 15));
            QCOMPARE(wuerfeln::CellOrigin(k), at);
            if (k == 120) {
                QCOMPARE(shot.pixel(at + QPoint(20, 20)), maroon);
                continue;
            }
            fmWuerfeln->ImageList1->GetBitmap(t.faces[static_cast<size_t>(k - 1)], face);
            QVERIFY2(shot.copy(QRect(at, QSize(40, 40))) == face, qPrintable(QString::number(k)));
            // Maroon on every side of the die, 10 pixels between neighbours.
            for (QPoint gap : {QPoint(-1, 20), QPoint(40, 20), QPoint(49, 20), QPoint(20, -1),
                               QPoint(20, 40), QPoint(20, 49)})
                QCOMPARE(shot.pixel(at + gap), maroon);
        }
        QCOMPARE(shot.pixel(791, 200), maroon);
        // Screen readers get the pips in groups of ten, each over its first die.
        QAccessibleInterface* dice = QAccessible::queryAccessibleInterface(fmWuerfeln->PaintBox1);
        QCOMPARE(dice->childCount(), 12);
        for (int g : {0, 1, 11}) {
            QAccessibleInterface* group = dice->child(g);
            QStringList pips;
            for (int k = 10 * g; k < 10 * g + 10; ++k)
                pips << QString::number(t.faces[static_cast<size_t>(k)] + 1);
            QCOMPARE(group->text(QAccessible::Name), QStringLiteral("Würfe %1 bis %2: %3")
                                                         .arg(10 * g + 1)
                                                         .arg(10 * g + 10)
                                                         .arg(pips.join(QStringLiteral(", "))));
            QCOMPARE(group->rect().topLeft(),
                     fmWuerfeln->PaintBox1->mapToGlobal(wuerfeln::CellOrigin(10 * g + 1)));
            QCOMPARE(dice->indexOfChild(group), g);
        }
    }

    void answerInTheBottomPanel()
    {
        QCOMPARE(fmWuerfeln->Edit1->parentWidget(), fmWuerfeln->Panel6);
    }

    void imageListPutsPicturesOnBackground()
    {
        TImageList list(4, 4);
        list.setBkColor(Qt::green);
        QImage half(2, 4, QImage::Format_ARGB32);
        half.fill(Qt::transparent);
        half.setPixel(0, 0, qRgb(255, 0, 0));
        QCOMPARE(list.add(half), 0); // stretched to 4 x 4
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("missing.svg"));
        QCOMPARE(list.addSvg(QStringLiteral(":/missing.svg")), -1);
        QImage bitmap;
        QVERIFY(list.GetBitmap(0, bitmap));
        QCOMPARE(bitmap.size(), QSize(4, 4));
        QCOMPARE(bitmap.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(bitmap.pixel(3, 3), qRgb(0, 255, 0));
        for (int index : {-1, 1})
            QVERIFY(!list.GetBitmap(index, bitmap));
        QCOMPARE(bitmap.size(), QSize(4, 4));
    }
};

TRAINER_TEST_MAIN(TestWuerfeln)
#include "test_wuerfeln.moc"
