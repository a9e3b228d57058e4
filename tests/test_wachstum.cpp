#include "ExerciseTest.h"
#include "TestMain.h"

#include "exercises/Wachstum.h"

#include <QComboBox>
#include <QTimer>

using wachstum::Steps;

class TestWachstum : public WindowOf<fmWachstum, WindowTest::SameTask> {
    Q_OBJECT
private:
    // A new task with the given growth steps, animated to the end.
    void runTask(const Steps& s)
    {
        fmWachstum->NewTask();
        fmWachstum->setTask(s);
        for (int tick = 0; tick <= wachstum::AnimSteps; ++tick)
            fmWachstum->Timer1Timer();
    }

    void open() override
    {
        createProgram();
        // No task before the tab is chosen.
        QCOMPARE(fmWachstum->task(), (Steps{0, 0, 0}));
        QVERIFY(!fmWachstum->Timer1->isActive());
        showTab(ExerciseOf(fmWachstum)->tab);
        QCOMPARE(m_window, fmWachstum);
        QVERIFY(fmWachstum->Timer1->isActive());
    }

private slots:
    void animationGrowsFromTheGround()
    {
        QCOMPARE(fmWachstum->Timer1->interval(), 100);
        runTask({0, 5, 3});
        QCOMPARE(fmWachstum->AnimStep, 30);
        // The references stand on the ground, and so do the grown ones.
        for (TImage* ref : {fmWachstum->Image2, fmWachstum->Image4, fmWachstum->Image6})
            QCOMPARE(ref->y() + ref->height(), 366);
        QCOMPARE(fmWachstum->Image1->geometry(), QRect(160, 246, 77, 120));
        QCOMPARE(fmWachstum->Image3->geometry(), QRect(396, -8, 77, 374)); // cut off at the top
        QCOMPARE(fmWachstum->Image5->geometry(), QRect(636, 202, 77, 164));
        QVERIFY(!fmWachstum->Timer1->isActive());
        QVERIFY(fmWachstum->sbCheckIt->isEnabled());
        // A new task starts over from the reference size at its first step.
        fmWachstum->NewTask();
        fmWachstum->setTask({0, 1, 0});
        fmWachstum->Timer1Timer();
        QCOMPARE(fmWachstum->Image3->height(), wachstum::GrownHeight(166, 1, 1));
        QCOMPARE(fmWachstum->Image3->y() + fmWachstum->Image3->height(), 366);
        QCOMPARE(fmWachstum->ComboBox2->currentIndex(), -1);
    }

    void checkWaitsForTheAnimationAfterAnEvaluation()
    {
        runTask({1, 1, 1});
        QTest::keyClick(fmWachstum, Qt::Key_F9);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(!fmWachstum->sbCheckIt->isEnabled());
        // The real timer: 30 steps of 100 ms, then the button on the next tick.
        Random().setSeed(11);
        QTest::keyClick(fmWachstum, Qt::Key_F2);
        QVERIFY(fmWachstum->Timer1->isActive());
        QTest::qWait(1000);
        QTest::keyClick(fmWachstum, Qt::Key_F9);
        QCOMPARE(m_messages.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(fmWachstum->sbCheckIt->isEnabled(), 5000);
        QCOMPARE(fmWachstum->AnimStep, 30);
        QVERIFY(!fmWachstum->Timer1->isActive());
        TRandom copy(11);
        const Steps s = wachstum::MakeTask(copy);
        QCOMPARE(fmWachstum->Image1->height(), wachstum::GrownHeight(120, 30, s[0]));
    }

    void verdicts_data()
    {
        QTest::addColumn<QList<int>>("steps");
        QTest::addColumn<QList<int>>("chosen");
        QTest::addColumn<QString>("message"); // empty: praise
        QTest::addRow("all right") << QList<int>{1, 4, 0} << QList<int>{1, 4, 0} << QString();
        QTest::addRow("one wrong") << QList<int>{1, 4, 0} << QList<int>{1, 3, 0}
                                   << QStringLiteral("Richtig wäre : 25% 100% 0% ");
        QTest::addRow("one left empty") << QList<int>{0, 5, 2} << QList<int>{0, 5, -1}
                                        << QStringLiteral("Richtig wäre : 0% 125% 50% ");
        QTest::addRow("none chosen") << QList<int>{0, 0, 0} << QList<int>{-1, -1, -1}
                                     << QStringLiteral("Richtig wäre : 0% 0% 0% ");
    }
    void verdicts()
    {
        QFETCH(QList<int>, steps);
        QFETCH(QList<int>, chosen);
        QFETCH(QString, message);
        runTask({steps[0], steps[1], steps[2]});
        pick({fmWachstum->ComboBox1, fmWachstum->ComboBox2, fmWachstum->ComboBox3}, chosen);
        expectVerdict(message.isEmpty(), message);
    }
};

TRAINER_TEST_MAIN(TestWachstum)
#include "test_wachstum.moc"
