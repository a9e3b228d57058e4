#include "TestMain.h"

#include "core/Exception.h"
#include "core/Random.h"
#include "framework/Vorlage.h"
#include "framework/share2.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabBar>
#include <QTimer>

namespace {

// An exercise that counts what the template calls.
class CountingExercise : public TfmVorlage {
public:
    CountingExercise()
    {
        edit = MakeChild<QLineEdit>(this, "Edit1", 10, 10, 80, 24);
        edit->installEventFilter(&keys);
    }
    void NewTask() override
    {
        ++newTasks;
        sbCheckIt->setEnabled(true);
    }
    void CheckAnswer() override
    {
        ++checks;
        if (failCheck)
            throw EConvertError(QStringLiteral("'x' ist kein gültiger Integerwert"));
        TfmVorlage::CheckAnswer();
    }

    struct KeyCounter : QObject {
        int presses = 0;
        static bool isModifier(int key)
        {
            return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt;
        }
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress && !isModifier(static_cast<QKeyEvent*>(e)->key()))
                ++presses;
            return false;
        }
    } keys;
    QLineEdit* edit;
    int newTasks = 0;
    int checks = 0;
    bool failCheck = false;
};

// The strip's two bars and a tab strip, as the score keeper sees them.
// A score keeper without widgets: the selected exercise and the counts last shown.
struct Keeper {
    explicit Keeper(int seriesLength = 20)
        : shared(seriesLength)
    {
        shared.SelectedExercise = [this] {
            return exercise;
        };
        shared.ShowCounts = [this](int attempts, int successes) {
            shown = {attempts, successes};
        };
    }
    TShared shared;
    int exercise = 0;
    QPair<int, int> shown{-1, -1};
};

} // namespace

class TestFramework : public QObject {
    Q_OBJECT
private:
    QStringList m_messages;

private slots:
    void title_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addRow("program") << "/usr/bin/prozentrechnung"
                                 << "Prozentrechnung";
        QTest::addRow("upper") << "PROZENT.EXE"
                               << "Prozent";
        QTest::addRow("two dots") << "a.b.c"
                                  << "A";
    }
    void title()
    {
        QFETCH(QString, file);
        QFETCH(QString, title);
        QCOMPARE(TitleFromFileName(file), title);
    }

    void errorTextGetsFullStop()
    {
        QCOMPARE(ErrorText("'x' ist kein gültiger Integerwert"),
                 "'x' ist kein gültiger Integerwert.");
        QCOMPARE(ErrorText("Schon da."), "Schon da.");
    }

    void init()
    {
        m_messages.clear();
        SetMessageHook([this](MessageKind kind, const QString& text) {
            m_messages << (kind == MessageKind::Error ? QStringLiteral("E:") : QString()) + text;
        });
    }
    void cleanup() { SetMessageHook({}); }

    // A template starts without a task, and its panel follows the window's foot.
    void templateStartAndResize()
    {
        TfmVorlage w;
        w.FormCreate();
        QVERIFY(!w.sbCheckIt->isEnabled());
        QCOMPARE(w.TipIndex, 0);
        QVERIFY(
            std::all_of(w.TaskValues.begin(), w.TaskValues.end(), [](int v) { return v == 0; }));
        w.show();
        SetOuterGeometry(&w, QRect(0, 0, 800, 468));
        QCOMPARE(w.frameGeometry().size(), QSize(800, 468));
        QCOMPARE(w.minimumSize(), w.size());
        QCOMPARE(w.maximumSize(), w.size());
        QCOMPARE(w.Panel6->geometry(), QRect(0, w.height() - 39, w.width(), 39));
        // A frame that leaves less than the layout needs makes the window larger.
        SetOuterGeometry(&w, QRect(0, 0, 700, 400), QSize(792, 445));
        QCOMPARE(w.size(), QSize(792, 445));
    }

    void hintCycle_data()
    {
        QTest::addColumn<QStringList>("tips");
        QTest::addColumn<QStringList>("shown");
        QTest::addRow("three") << QStringList{"A", "B", "C"} << QStringList{"B", "C", "A", "B"};
        QTest::addRow("one") << QStringList{"A"} << QStringList{"A", "A", "A"};
        QTest::addRow("none") << QStringList{}
                              << QStringList{"1 Prozent ist 1/100", "1 Prozent ist 1/100"};
    }
    void hintCycle()
    {
        QFETCH(QStringList, tips);
        QFETCH(QStringList, shown);
        CountingExercise w;
        w.FormCreate();
        w.SetTips(tips);
        for (int i = 0; i < shown.size(); ++i)
            QTest::keyClick(&w, Qt::Key_F1);
        QCOMPARE(m_messages, shown);
    }

    void hintCycleRunsOnAcrossTasks()
    {
        CountingExercise w;
        w.FormCreate();
        w.SetTips({"A", "B", "C"});
        w.sbTip->click();
        w.sbTip->click();
        w.sbNew->click();
        w.SetTips({"A", "B", "C"}); // replacing the list keeps the index
        w.sbTip->click();
        QCOMPARE(m_messages, (QStringList{"B", "C", "A"}));
        // The first task comes with the window's creation.
        QCOMPARE(w.newTasks, 2);
    }

    void keysArePreviewedOnceAndStillDelivered_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("newTasks");
        QTest::addColumn<int>("hints");
        QTest::addRow("F2") << int(Qt::Key_F2) << int(Qt::NoModifier) << 1 << 0;
        QTest::addRow("Shift+F2") << int(Qt::Key_F2) << int(Qt::ShiftModifier) << 1 << 0;
        QTest::addRow("Ctrl+F1") << int(Qt::Key_F1) << int(Qt::ControlModifier) << 0 << 1;
        QTest::addRow("F3 does nothing") << int(Qt::Key_F3) << int(Qt::NoModifier) << 0 << 0;
        QTest::addRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << 0 << 0;
    }
    void keysArePreviewedOnceAndStillDelivered()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, newTasks);
        QFETCH(int, hints);
        CountingExercise w;
        w.FormCreate();
        QTest::keyClick(w.edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(w.newTasks, 1 + newTasks);
        QCOMPARE(m_messages.size(), hints);
        QCOMPARE(w.keys.presses, 1);
    }

    void f9OnlyWhileTaskIsOpen()
    {
        CountingExercise w;
        QTest::keyClick(w.edit, Qt::Key_F9);
        QCOMPARE(w.checks, 0); // no task yet
        QTest::keyClick(w.edit, Qt::Key_F2);
        QVERIFY(w.sbCheckIt->isEnabled());
        QTest::keyClick(w.edit, Qt::Key_F9);
        QCOMPARE(w.checks, 1);
        QVERIFY(!w.sbCheckIt->isEnabled());
        QTest::keyClick(w.edit, Qt::Key_F9);
        QTest::mouseClick(w.sbCheckIt, Qt::LeftButton);
        QCOMPARE(w.checks, 1);
    }

    void failedCheckIsShownAndLeavesTaskOpen()
    {
        CountingExercise w;
        w.FormCreate();
        w.NewTask();
        w.failCheck = true;
        QTest::keyClick(w.edit, Qt::Key_F9);
        QCOMPARE(m_messages, QStringList{"E:'x' ist kein gültiger Integerwert."});
        QVERIFY(w.sbCheckIt->isEnabled());
        w.failCheck = false;
        w.sbCheckIt->click();
        QCOMPARE(w.checks, 2);
        QVERIFY(!w.sbCheckIt->isEnabled());
    }

    // Screen readers hear the verdict and the bars' counts after this attempt.
    void verdictIsHeardWithTheCounts_data()
    {
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("heard");
        QTest::addRow("wrong") << false << "Leider falsch. Versuche: 2 von 20, richtig: 1.";
        QTest::addRow("right") << true << "Richtig! Versuche: 2 von 20, richtig: 2.";
    }
    void verdictIsHeardWithTheCounts()
    {
        QFETCH(bool, right);
        QFETCH(QString, heard);
        SetMessageHook({}); // the real box, which carries what is heard
        TShared shared(20);
        shared.RecordResult(true);
        Shared = &shared;
        CountingExercise w;
        QString told;
        QTimer::singleShot(0, [&told] {
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                told = box->accessibleDescription();
                box->done(0);
            }
        });
        w.Conclude(right, QStringLiteral("Falsch"));
        Shared = nullptr;
        QCOMPARE(told, heard);
        QCOMPARE(shared.Attempts(), 2);
    }

    void outcomeEncoding_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("success");
        QTest::addColumn<int>("stored");
        QTest::addRow("success in tab 3") << 3 << true << 4;
        QTest::addRow("failure in tab 3") << 3 << false << -4;
        QTest::addRow("failure in tab 0") << 0 << false << -1;
        QTest::addRow("success in tab 10") << 10 << true << 11;
    }
    void outcomeEncoding()
    {
        QFETCH(int, tab);
        QFETCH(bool, success);
        QFETCH(int, stored);
        Keeper k;
        k.exercise = tab;
        k.shared.RecordResult(success);
        QCOMPARE(k.shared.Outcomes[1], stored);
        QCOMPARE(k.shared.Outcomes[0], 0);
        QCOMPARE(k.shown, qMakePair(1, success ? 1 : 0));
    }

    void seriesOfTwenty()
    {
        Keeper k;
        QPair<int, int> seenByStatistics{-1, -1};
        k.shared.ShowStatistics = [&] {
            seenByStatistics = k.shown;
        };
        for (int i = 1; i <= 19; ++i) {
            k.exercise = i % 11;
            k.shared.RecordResult(true);
        }
        QCOMPARE(k.shown, qMakePair(19, 19));
        QCOMPARE(seenByStatistics.first, -1);
        k.shared.RecordResult(false);
        // The statistics saw the full series; the counts reset only afterwards.
        QCOMPARE(seenByStatistics, qMakePair(20, 19));
        QCOMPARE(k.shown, qMakePair(0, 0));
        QCOMPARE(k.shared.Attempts(), 0);
        QCOMPARE(k.shared.Outcomes[20], -9); // exercise 8 selected last
        k.exercise = 5;
        k.shared.RecordResult(false);
        QCOMPARE(k.shared.Outcomes[1], -6);
        QCOMPARE(k.shared.Outcomes[2], 3); // the old series is overwritten, not cleared
        QCOMPARE(k.shared.Attempts(), 1);
    }

    void longSeriesStaysInsideTheStore()
    {
        Keeper k(1000);
        for (int i = 0; i < 200; ++i)
            k.shared.RecordResult(i % 2 == 0);
        QCOMPARE(k.shown, qMakePair(200, 100));
        QCOMPARE(k.shared.Outcomes[127], 1); // attempt 127 succeeded; later ones are not stored
    }

    void praise()
    {
        TShared shared;
        QStringList texts;
        for (const char* t : PraiseTexts)
            texts << QString::fromUtf8(t);
        QCOMPARE(texts.last(), QStringLiteral("Sehr gut... Überflieger"));
        Random().setSeed(4242);
        QMap<QString, int> seen;
        for (int i = 0; i < 5000; ++i)
            ++seen[shared.PickPraise()];
        QCOMPARE(seen.size(), 5);
        for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
            QVERIFY(texts.contains(it.key()));
            QVERIFY2(it.value() > 850 && it.value() < 1150, qPrintable(it.key()));
        }
        // One draw from 0 to 4 per praise.
        Random().setSeed(0);
        TRandom expected(0);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(shared.PickPraise(), texts[static_cast<int>(expected.next(5))]);
    }
};

TRAINER_TEST_MAIN(TestFramework)
#include "test_framework.moc"
