#include "ExerciseTest.h"
#include "TestMain.h"

#include "app/Forms.h"
#include "app/Main.h"
#include "exercises/Wachstum.h"
#include "framework/share2.h"
#include "platform/Dialogs.h"
#include "platform/Random.h"

#include <QComboBox>
#include <QTimer>

using wachstum::Steps;

class TestWachstum : public ExerciseTest {
    Q_OBJECT
private:
    // A new task with the given growth steps, animated to the end.
    void runTask(const Steps& s)
    {
        fmWachstum->NewTask();
        for (int i = 0; i < 3; ++i)
            fmWachstum->TaskValues[i + 1] = s[i];
        for (int tick = 0; tick <= wachstum::AnimSteps; ++tick)
            fmWachstum->Timer1Timer();
    }

private slots:
    void initTestCase()
    {
        SetMessageHook([this](MessageKind kind, const QString& text) {
            m_messages << (kind == MessageKind::Error ? QStringLiteral("E:") : QString()) + text;
        });
        m_forms = std::make_unique<TForms>();
        CreateForms(*m_forms);
        // No task before the tab is chosen.
        QCOMPARE(fmWachstum->steps(), (Steps{0, 0, 0}));
        QVERIFY(!fmWachstum->Timer1->isActive());
        Form2->show();
        Form2->TabControl1->setCurrentIndex(7);
        QVERIFY(fmWachstum->isVisible());
        QVERIFY(fmWachstum->Timer1->isActive());
    }
    void init() { resetSeries(); }
    void cleanupTestCase() { closeProgram(); }

    void drawsInOrder()
    {
        for (uint32_t seed : {0u, 3u, 0xFFFFFFFFu}) {
            TRandom a(seed), b(seed);
            const Steps s = wachstum::MakeTask(a);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(s[i], static_cast<int32_t>(b.next(6)));
        }
    }

    void grownHeight_data()
    {
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("animStep");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("height");
        QTest::addRow("pair 2, 125 per cent") << 166 << 30 << 5 << 374;
        QTest::addRow("pair 3, 75 per cent, half to even") << 94 << 30 << 3 << 164;
        QTest::addRow("pair 3, 25 per cent, half to even") << 94 << 30 << 1 << 118;
        QTest::addRow("no growth") << 120 << 17 << 0 << 120;
        QTest::addRow("first step") << 120 << 1 << 4 << 124;
        QTest::addRow("half way") << 120 << 15 << 2 << 150;
    }
    void grownHeight()
    {
        QFETCH(int, reference);
        QFETCH(int, animStep);
        QFETCH(int, step);
        QFETCH(int, height);
        QCOMPARE(wachstum::GrownHeight(reference, animStep, step), height);
    }

    void windowLayout()
    {
        QCOMPARE(fmWachstum->windowTitle(), QStringLiteral("Wachstum"));
        QCOMPARE(fmWachstum->laTaskText->text(),
                 QStringLiteral("Schätze jeweils das prozentuale Wachstum"));
        for (QComboBox* box :
             {fmWachstum->ComboBox1, fmWachstum->ComboBox2, fmWachstum->ComboBox3}) {
            QCOMPARE(box->count(), 6);
            QCOMPARE(box->itemText(0), QStringLiteral("0"));
            QCOMPARE(box->itemText(5), QStringLiteral("125"));
        }
        for (TImage* ref : {fmWachstum->Image2, fmWachstum->Image4, fmWachstum->Image6})
            QCOMPARE(ref->y() + ref->height(), 366);
        QCOMPARE(fmWachstum->Timer1->interval(), 100);
        // No hints: F1 shows the general one.
        QTest::keyClick(fmWachstum, Qt::Key_F1);
        QCOMPARE(m_messages, QStringList{QStringLiteral("1 Prozent ist 1/100")});
    }

    void animationGrowsFromTheGround()
    {
        runTask({0, 5, 3});
        QCOMPARE(fmWachstum->AnimStep, 30);
        QCOMPARE(fmWachstum->Image1->geometry(), QRect(160, 246, 77, 120));
        QCOMPARE(fmWachstum->Image3->geometry(), QRect(396, -8, 77, 374)); // cut off at the top
        QCOMPARE(fmWachstum->Image5->geometry(), QRect(636, 202, 77, 164));
        QVERIFY(!fmWachstum->Timer1->isActive());
        QVERIFY(fmWachstum->sbCheckIt->isEnabled());
        // A new task starts over from the reference size at its first step.
        fmWachstum->NewTask();
        fmWachstum->TaskValues[2] = 1;
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
        QComboBox* const boxes[] = {fmWachstum->ComboBox1, fmWachstum->ComboBox2,
                                    fmWachstum->ComboBox3};
        for (int i = 0; i < 3; ++i)
            boxes[i]->setCurrentIndex(chosen[i]);
        QTest::keyClick(fmWachstum, Qt::Key_F9);
        QCOMPARE(m_messages.size(), 1);
        if (message.isEmpty())
            QVERIFY2(praises().contains(m_messages[0]), qPrintable(m_messages[0]));
        else
            QCOMPARE(m_messages[0], message);
        QCOMPARE(Form2->pbCount->value(), 1);
        QCOMPARE(Form2->pbSuccess->value(), message.isEmpty() ? 1 : 0);
        QCOMPARE(Shared->Outcomes[1], message.isEmpty() ? 8 : -8);
        QVERIFY(!fmWachstum->sbCheckIt->isEnabled());
    }
};

TRAINER_TEST_MAIN(TestWachstum)
#include "test_wachstum.moc"
