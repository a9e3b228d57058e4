#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Diagramm.h"

#include <QLineEdit>

using diagramm::Task;

class TestDiagramm : public WindowOf<fmDiagramm> {
    Q_OBJECT
private slots:
    void axesMeetTheBars()
    {
        // The diagram's axes land where the bars expect them: 0 % on row 305
        // of the window, 3 pixels per per cent.
        const QImage shot = fmDiagramm->grab().toImage();
        QCOMPARE(shot.pixelColor(380 + 200, 4 + 300), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(380 + 25, 4 + 150), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(10, 10), QColor(0x80, 0xFF, 0xFF));
        QCOMPARE(shot.pixelColor(380 + 390, 4 + 100), QColor(Qt::white));
    }

    void bars_data()
    {
        QTest::addColumn<int>("jan");
        QTest::addColumn<int>("tina");
        QTest::addColumn<int>("heightJan");
        QTest::addColumn<int>("heightTina");
        QTest::addColumn<int>("heightJoerg");
        QTest::addRow("16 3 1") << 16 << 3 << 240 << 45 << 15;
        QTest::addRow("1 19 0") << 1 << 19 << 15 << 285 << 0;
    }
    void bars()
    {
        QFETCH(int, jan);
        QFETCH(int, tina);
        QFETCH(int, heightJan);
        QFETCH(int, heightTina);
        QFETCH(int, heightJoerg);
        // Find a seed whose task has these shares and show it.
        uint32_t seed = 0;
        for (TRandom r(seed); seed < 100000; r.setSeed(++seed)) {
            const Task t = diagramm::MakeTask(r);
            if (t.shares[0] == jan && t.shares[1] == tina)
                break;
        }
        QVERIFY(seed < 100000);
        Random().setSeed(seed);
        QTest::keyClick(fmDiagramm->Edit1, Qt::Key_F2);
        const TShape* bars[] = {fmDiagramm->Shape1, fmDiagramm->Shape2, fmDiagramm->Shape3};
        const int heights[] = {heightJan, heightTina, heightJoerg};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bars[i]->height(), heights[i]);
            QCOMPARE(bars[i]->y() + bars[i]->height(), 305);
        }
        const QString text = fmDiagramm->Label1->text();
        QCOMPARE(text, QStringLiteral("Jan, Tina und Jörg erben insgesamt %1 DM\nnach folgender "
                                      "Aufteilung:")
                           .arg(fmDiagramm->task().inheritance));
        QVERIFY(fmDiagramm->Label1->height() > 20); // two lines shown
        for (QLineEdit* e : {fmDiagramm->Edit1, fmDiagramm->Edit2, fmDiagramm->Edit3})
            QCOMPARE(e->text(), QStringLiteral("0"));
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("jan");
        QTest::addColumn<int>("tina");
        QTest::addColumn<int>("sum");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("message"); // empty: praise
        QTest::addColumn<int>("counted");
        const QString c1 = QStringLiteral("Jan bekommt 1450 DM, Tina 27550 DM und Jörg 0 DM.");
        const QString c2 = QStringLiteral("Jan bekommt 8000 DM, Tina 1500 DM und Jörg 500 DM.");
        QTest::addRow("all right, Jörg's 0 untouched")
            << 1 << 19 << 29000 << QStringList{"1450", "27550", "0"} << QString() << 1;
        QTest::addRow("all right")
            << 16 << 3 << 10000 << QStringList{"8000", "1500", "500"} << QString() << 1;
        QTest::addRow("Jörg wrong")
            << 16 << 3 << 10000 << QStringList{"8000", "1500", "50"} << c2 << 1;
        QTest::addRow("letters after a wrong field")
            << 1 << 19 << 29000 << QStringList{"1", "abc", ""} << c1 << 1;
        QTest::addRow("thousands separator after a wrong one")
            << 1 << 19 << 29000 << QStringList{"0", "27.550", "x"} << c1 << 1;
        QTest::addRow("empty after right ones")
            << 1 << 19 << 29000 << QStringList{"1450", "", "0"}
            << QStringLiteral("E:'' ist kein gültiger Integerwert.") << 0;
        QTest::addRow("thousands separator first")
            << 1 << 19 << 29000 << QStringList{"1.450", "27550", "0"}
            << QStringLiteral("E:'1.450' ist kein gültiger Integerwert.") << 0;
        QTest::addRow("Jörg letters after right ones")
            << 16 << 3 << 10000 << QStringList{"8000", "1500", "fünf"}
            << QStringLiteral("E:'fünf' ist kein gültiger Integerwert.") << 0;
    }
    void verdicts()
    {
        QFETCH(int, jan);
        QFETCH(int, tina);
        QFETCH(int, sum);
        QFETCH(QStringList, entries);
        QFETCH(QString, message);
        QFETCH(int, counted);
        fmDiagramm->setTask({{jan, tina, 20 - jan - tina}, sum});
        QLineEdit* const edits[] = {fmDiagramm->Edit1, fmDiagramm->Edit2, fmDiagramm->Edit3};
        for (int i = 0; i < 3; ++i)
            type(edits[i], entries[i]);
        QTest::keyClick(fmDiagramm->Edit1, Qt::Key_F9);
        if (counted)
            expectVerdict(message.isEmpty(), message);
        else
            expectInvalid(message, TInvalidEntry::Refuse);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(edits[i]->text(), entries[i]); // nothing lost
    }
};

TRAINER_TEST_MAIN(TestDiagramm)
#include "test_diagramm.moc"
