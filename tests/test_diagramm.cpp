#include "ExerciseTest.h"
#include "TestMain.h"

#include "app/Forms.h"
#include "app/Main.h"
#include "exercises/Diagramm.h"
#include "framework/share2.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"
#include "xshape/Diagram.h"

#include <QLineEdit>

using diagramm::Task;

class TestDiagramm : public ExerciseTest {
    Q_OBJECT
private:
    void setTask(const Task& t)
    {
        for (int i = 0; i < 3; ++i)
            fmDiagramm->TaskValues[i] = t.shares[i];
        fmDiagramm->TaskValues[3] = t.inheritance;
    }
    void enter(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
        QCOMPARE(edit->text(), text);
    }

private slots:
    void initTestCase()
    {
        openProgram(2);
        QVERIFY(fmDiagramm->isVisible());
    }
    void init()
    {
        resetSeries();
        fmDiagramm->NewTask();
    }
    void cleanupTestCase() { closeProgram(); }

    void drawsInOrder()
    {
        for (uint32_t seed : {0u, 1u, 77u, 0xFFFFFFFFu}) {
            TRandom a(seed), b(seed);
            const Task t = diagramm::MakeTask(a);
            const int jan = 1 + static_cast<int>(b.next(16));
            const int tina = 1 + static_cast<int>(b.next(static_cast<uint32_t>(20 - jan)));
            QCOMPARE(t.shares[0], jan);
            QCOMPARE(t.shares[1], tina);
            QCOMPARE(t.shares[2], 20 - jan - tina);
            QCOMPARE(t.inheritance, 10000 + 1000 * static_cast<int>(b.next(20)));
        }
        TRandom r(5);
        bool sawZeroJoerg = false;
        for (int i = 0; i < 3000; ++i) {
            const Task t = diagramm::MakeTask(r);
            QVERIFY(t.shares[0] >= 1 && t.shares[0] <= 16);
            QVERIFY(t.shares[1] >= 1 && t.shares[2] >= 0);
            QCOMPARE(t.shares[0] + t.shares[1] + t.shares[2], 20);
            QVERIFY(t.inheritance >= 10000 && t.inheritance <= 29000);
            int sum = 0;
            for (int c = 0; c < 3; ++c)
                sum += diagramm::Amount(t, c);
            QCOMPARE(sum, t.inheritance); // whole multiples of 50 DM add up exactly
            sawZeroJoerg |= t.shares[2] == 0;
        }
        QVERIFY(sawZeroJoerg);
    }

    void windowLayout()
    {
        QCOMPARE(fmDiagramm->windowTitle(), QStringLiteral("Diagramm"));
        QCOMPARE(fmDiagramm->Diagram1->geometry(), QRect(380, 4, 407, 330));
        QCOMPARE(fmDiagramm->Edit1->geometry(), QRect(104, 368, 45, 24));
        QCOMPARE(fmDiagramm->UpDown3->geometry(), QRect(733, 366, 15, 24));
        QCOMPARE(fmDiagramm->BaseLine, 305);
        QCOMPARE(fmDiagramm->Tips.size(), 4);
        QCOMPARE(fmDiagramm->Tips[3], QStringLiteral("Prozentwerte lassen sich auch mit dem "
                                                     "Dreisatz berechnen.\n\rDabei enstspricht der "
                                                     "Grundwert 100%"));
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
        for (uint32_t seed = 0;; ++seed) {
            TRandom r(seed);
            const Task t = diagramm::MakeTask(r);
            if (t.shares[0] != jan || t.shares[1] != tina)
                continue;
            Random().setSeed(seed);
            QTest::keyClick(fmDiagramm->Edit1, Qt::Key_F2);
            break;
        }
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
        setTask({{jan, tina, 20 - jan - tina}, sum});
        QLineEdit* const edits[] = {fmDiagramm->Edit1, fmDiagramm->Edit2, fmDiagramm->Edit3};
        for (int i = 0; i < 3; ++i)
            edits[i]->setText(entries[i]);
        QTest::keyClick(fmDiagramm->Edit1, Qt::Key_F9);
        QCOMPARE(m_messages.size(), 1);
        if (message.isEmpty())
            QVERIFY2(praises().contains(m_messages[0]), qPrintable(m_messages[0]));
        else
            QCOMPARE(m_messages[0], message);
        QCOMPARE(Form2->pbCount->value(), counted);
        QCOMPARE(Form2->pbSuccess->value(), message.isEmpty() ? 1 : 0);
        QCOMPARE(fmDiagramm->sbCheckIt->isEnabled(), counted == 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(edits[i]->text(), entries[i]); // nothing lost
    }

    void typedAnswerWithSpinButtons()
    {
        setTask({{16, 3, 1}, 10000});
        enter(fmDiagramm->Edit1, QStringLiteral("7999"));
        QTest::keyClick(fmDiagramm->Edit1, Qt::Key_Up);
        enter(fmDiagramm->Edit2, QStringLiteral("1500"));
        fmDiagramm->UpDown3->step(500);
        QCOMPARE(fmDiagramm->Edit1->text(), QStringLiteral("8000"));
        QCOMPARE(fmDiagramm->Edit3->text(), QStringLiteral("500"));
        // The spin buttons stop at 32000.
        fmDiagramm->Edit2->setText(QStringLiteral("31999"));
        fmDiagramm->UpDown2->step(5);
        QCOMPARE(fmDiagramm->Edit2->text(), QStringLiteral("32000"));
        fmDiagramm->Edit2->setText(QStringLiteral("1500"));
        QTest::keyClick(fmDiagramm->Edit3, Qt::Key_F9);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(praises().contains(m_messages[0]));
        QCOMPARE(Form2->pbCount->value(), 1);
        QCOMPARE(Shared->Outcomes[1], 3); // tab 2, a success
        // Evaluated: F9 does nothing until the next task.
        QTest::keyClick(fmDiagramm->Edit3, Qt::Key_F9);
        QCOMPARE(m_messages.size(), 1);
    }
};

TRAINER_TEST_MAIN(TestDiagramm)
#include "test_diagramm.moc"
