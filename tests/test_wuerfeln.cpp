#include "ExerciseTest.h"
#include "TestMain.h"

#include "app/Forms.h"
#include "app/Main.h"
#include "exercises/Wuerfeln.h"
#include "framework/share2.h"
#include "platform/Dialogs.h"
#include "platform/ImageList.h"
#include "platform/Random.h"

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

class TestWuerfeln : public ExerciseTest {
    Q_OBJECT
private:
    void answer(int sixes, const QString& entry)
    {
        fmWuerfeln->TaskValues[0] = sixes;
        fmWuerfeln->Edit1->setFocus();
        if (entry != fmWuerfeln->Edit1->text()) {
            fmWuerfeln->Edit1->clear();
            QTest::keyClicks(fmWuerfeln->Edit1, entry);
        }
        QTest::keyClick(fmWuerfeln->Edit1, Qt::Key_F9);
    }

private slots:
    void initTestCase()
    {
        openProgram(5);
        QVERIFY(fmWuerfeln->isVisible());
    }
    void init()
    {
        resetSeries();
        fmWuerfeln->NewTask();
    }
    void cleanupTestCase() { closeProgram(); }

    void newTaskThrowsInOrder()
    {
        Random().setSeed(4711);
        TRandom copy(4711);
        fmWuerfeln->Edit1->setText(QStringLiteral("17"));
        QTest::keyClick(fmWuerfeln->Edit1, Qt::Key_F2);
        int sixes = 0;
        for (int k = 1; k <= 120; ++k) {
            const int face = static_cast<int>(copy.next(6));
            QCOMPARE(fmWuerfeln->TaskValues[k], face);
            sixes += face == 5;
        }
        QCOMPARE(fmWuerfeln->TaskValues[0], sixes);
        QCOMPARE(fmWuerfeln->TaskValues[121], 0);
        QCOMPARE(fmWuerfeln->Edit1->text(), QStringLiteral("0"));
        QVERIFY(fmWuerfeln->sbCheckIt->isEnabled());
    }

    void expectedShareForEveryCount()
    {
        // Nearest whole per cent worked out on integers, halves to even.
        for (int sixes = 0; sixes <= 120; ++sixes) {
            const int q = sixes * 100 / 120, twiceRest = 2 * (sixes * 100 % 120);
            const int expected = q + (twiceRest > 120 || (twiceRest == 120 && q % 2 == 1));
            QCOMPARE(wuerfeln::ExpectedShare(sixes), expected);
        }
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
        answer(sixes, entry);
        QCOMPARE(m_messages.size(), 1);
        if (right)
            QVERIFY2(
                std::any_of(std::begin(PraiseTexts), std::end(PraiseTexts),
                            [&](const char* t) { return m_messages[0] == QString::fromUtf8(t); }),
                qPrintable(m_messages[0]));
        else
            QCOMPARE(m_messages[0], correction);
        QCOMPARE(Form2->pbCount->value(), 1);
        QCOMPARE(Form2->pbSuccess->value(), right ? 1 : 0);
        QCOMPARE(Shared->Outcomes[1], right ? 6 : -6);
        QVERIFY(!fmWuerfeln->sbCheckIt->isEnabled());
        QTest::keyClick(fmWuerfeln->Edit1, Qt::Key_F9); // evaluated: counted once
        QCOMPARE(Form2->pbCount->value(), 1);
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
        Shared->Outcomes[1] = 12345;
        answer(20, entry);
        QCOMPARE(m_messages, QStringList{"E:'" + entry + "' ist kein gültiger Integerwert."});
        QCOMPARE(Form2->pbCount->value(), 0);
        QCOMPARE(Shared->Outcomes[1], 12345);
        QVERIFY(fmWuerfeln->sbCheckIt->isEnabled());
        answer(20, QStringLiteral("17")); // the same task, now counted once
        QCOMPARE(Form2->pbSuccess->value(), 1);
    }

    void facesShowTheirPips()
    {
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
        for (int k = 1; k <= 120; ++k)
            fmWuerfeln->TaskValues[k] = (k * 7 + k / 15) % 6;
        fmWuerfeln->TaskValues[120] = 9; // not a face: its cell stays empty
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
            fmWuerfeln->ImageList1->GetBitmap(fmWuerfeln->TaskValues[k], face);
            QVERIFY2(shot.copy(QRect(at, QSize(40, 40))) == face, qPrintable(QString::number(k)));
            // Maroon on every side of the die, 10 pixels between neighbours.
            for (QPoint gap : {QPoint(-1, 20), QPoint(40, 20), QPoint(49, 20), QPoint(20, -1),
                               QPoint(20, 40), QPoint(20, 49)})
                QCOMPARE(shot.pixel(at + gap), maroon);
        }
        QCOMPARE(shot.pixel(791, 200), maroon);
    }

    void windowLayout()
    {
        QCOMPARE(fmWuerfeln->windowTitle(), QStringLiteral("Würfeln"));
        QCOMPARE(fmWuerfeln->Edit1->parentWidget(), fmWuerfeln->Panel6);
        QCOMPARE(fmWuerfeln->Edit1->geometry(), QRect(288, 8, 43, 24));
        QCOMPARE(fmWuerfeln->UpDown1->geometry(), QRect(331, 8, 15, 24));
        QCOMPARE(fmWuerfeln->laTaskText->geometry().left(), 10);
        QCOMPARE(fmWuerfeln->laTaskText->width(), 266);
        QCOMPARE(fmWuerfeln->PaintBox1->geometry(),
                 QRect(0, 0, fmWuerfeln->width(), fmWuerfeln->Panel6->y()));
        QCOMPARE(fmWuerfeln->findChild<TImageList*>("ImageList1")->count(), 6);
        // The spin buttons stop at 100.
        fmWuerfeln->Edit1->setText(QStringLiteral("99"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(fmWuerfeln->Edit1, Qt::Key_Up);
        QCOMPARE(fmWuerfeln->Edit1->text(), QStringLiteral("100"));
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
