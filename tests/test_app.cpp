#include "ExerciseTest.h"
#include "TestMain.h"
#include "TestPixels.h"

#include "app/Exercises.h"
#include "app/Forms.h"
#include "app/Lernverlauf.h"
#include "app/Main.h"
#include "app/Statistic.h"
#include "core/Random.h"
#include "exercises/Rabatt.h"
#include "exercises/Schaetzen.h"
#include "framework/share2.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace {

QImage paintChart(const StatisticData& data)
{
    return Drawn(blank(600, 330, 0x400000),
                 [&data](TCanvas& canvas) { PaintStatistic(canvas, 600, 330, data); });
}

StatisticData chartData(std::vector<int32_t> outcomes)
{
    StatisticData d;
    for (int i = 0; i < 11; ++i)
        d.names << QStringLiteral("Ü%1").arg(i);
    d.attempts = static_cast<int>(outcomes.size());
    d.outcomes = std::move(outcomes);
    return d;
}

} // namespace

class TestApp : public ExerciseTest {
    Q_OBJECT
private:
    void answerRabatt(bool right)
    {
        const rabatt::Task t = fmRabatt->task();
        const int expected = rabatt::ExpectedPrice(t);
        fmRabatt->Edit1->setText(QString::number(right ? expected : expected + 50));
        QTest::keyClick(fmRabatt->Edit1, Qt::Key_F9);
        QTest::keyClick(fmRabatt->Edit1, Qt::Key_F2);
    }

private slots:
    void init()
    {
        m_messages.clear();
        SetMessageHook([this](MessageKind, const QString& text) { m_messages << text; });
        m_forms = std::make_unique<TForms>();
        CreateForms(*m_forms);
    }
    void cleanup()
    {
        closeProgram();
        QVERIFY(!Shared);
    }

    void mainWindowLayout()
    {
        Form2->show();
        QCOMPARE(Form2->windowTitle(), QStringLiteral("Prozentrechnung"));
        QCOMPARE(Form2->frameGeometry(), QRect(0, 0, 800, 102));
        QCOMPARE(Form2->SpeedButton1->text(), QStringLiteral("Beenden Alt+F4"));
        QCOMPARE(Form2->SpeedButton2->text(), QStringLiteral("Rechner F5"));
        QCOMPARE(Form2->SpeedButton3->text(), QStringLiteral("Statistik F6"));
        QCOMPARE(Form2->SpeedButton3->geometry(), QRect(248, 3, 120, 26));
        QCOMPARE(Form2->pbCount->geometry(), QRect(636, 4, 150, 9));
        QCOMPARE(Form2->pbSuccess->geometry(), QRect(636, 20, 150, 9));
        QCOMPARE(Form2->pbCount->maximum(), 20);
        QCOMPARE(Form2->pbCount->value(), 0);
        QVERIFY(!Form2->pbCount->isTextVisible());
        QCOMPARE(Form2->Label1->text(), QStringLiteral("Versuche"));
        QCOMPARE(Form2->Label2->text(), QStringLiteral("richtig"));
        QCOMPARE(Form2->Panel1->y(), 0);
        QCOMPARE(Form2->TabControl1->y(), 33);
        const QStringList tabs{"Schätzen",   "Rabatt",  "Diagramm",     "Flächen",
                               "Steigung",   "Würfeln", "Zinsrechnung", "Wachstum",
                               "Geldanlage", "Pauken",  "Börse"};
        QStringList strip;
        for (int i = 0; i < Form2->TabControl1->count(); ++i)
            strip << Form2->TabControl1->tabText(i);
        QCOMPARE(strip.size(), Exercises().size());
        QCOMPARE(strip, tabs);
        for (int i = 0; i < strip.size(); ++i)
            QCOMPARE(strip[i], ExerciseTabText(i));
        QCOMPARE(Shared->ExerciseNames(), strip);
        QCOMPARE(Form2->TabControl1->currentIndex(), 0);
        // All tabs fit in one row.
        const QRect last = Form2->TabControl1->tabRect(Form2->TabControl1->count() - 1);
        QVERIFY2(last.right() < Form2->TabControl1->width(),
                 qPrintable(QString::number(last.right())));
        QCOMPARE(Form2->Beenden1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
        QCOMPARE(Form2->Rechner1->shortcut(), QKeySequence(Qt::Key_F5));
        QCOMPARE(Form2->Statistik1->shortcut(), QKeySequence(Qt::Key_F6));
        QCOMPARE(Form2->Datei1->title(), QStringLiteral("&Datei"));
        QCOMPARE(Form2->Tools1->title(), QStringLiteral("&Tools"));
        QCOMPARE(Form2->info1->title(), QStringLiteral("&Hilfe"));
        QCOMPARE(Form2->Info2->text(), QStringLiteral("&Info"));
    }

    void everyTabHasItsOwnWindow()
    {
        // Each window draws its first task as it is created: the order is part of the start.
        QStringList created;
        for (const TExercise& e : Exercises())
            created << QString::fromUtf8(e.tabText);
        QCOMPARE(created,
                 QStringList({"Börse", "Flächen", "Rabatt", "Diagramm", "Steigung", "Würfeln",
                              "Zinsrechnung", "Wachstum", "Geldanlage", "Pauken", "Schätzen"}));
        QSet<TfmVorlage*> windows;
        for (const TExercise& e : Exercises()) {
            TfmVorlage* w = e.window();
            QVERIFY2(w, e.tabText);
            QCOMPARE(TForm2::ExerciseWindow(e.tab), w);
            QCOMPARE(ExerciseAtTab(e.tab), &e);
            windows << w;
        }
        QCOMPARE(windows.size(), Form2->TabControl1->count());
        QVERIFY(!windows.contains(fmVorlage));
        for (int outside : {-1, Form2->TabControl1->count()})
            QCOMPARE(TForm2::ExerciseWindow(outside), nullptr);
        // A closed program leaves no reference behind.
        closeProgram();
        for (const TExercise& e : Exercises())
            QCOMPARE(e.window(), nullptr);
    }

    void startShowsTheEstimatingExercise()
    {
        Random().setSeed(404);
        TRandom copy(404);
        Form2->show();
        QCOMPARE(Form2->CurrentExercise, static_cast<TfmVorlage*>(fmSchaetzen));
        QCOMPARE(fmSchaetzen->frameGeometry(), QRect(0, 102, 800, 468));
        QWidgetList visible;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                visible << w;
        QCOMPARE(visible.size(), 2);
        QVERIFY(visible.contains(Form2));
        QVERIFY(visible.contains(fmSchaetzen));
        // Showing it made a fresh task: nothing picked, open for evaluation.
        QCOMPARE(fmSchaetzen->task(), schaetzen::MakeTask(copy));
        for (QComboBox* box :
             {fmSchaetzen->ComboBox1, fmSchaetzen->ComboBox2, fmSchaetzen->ComboBox3})
            QCOMPARE(box->currentIndex(), -1);
        QVERIFY(fmSchaetzen->sbCheckIt->isEnabled());
        // A key at the strip reaches it: F9 without picks is a wrong answer of tab 0.
        QTest::keyClick(Form2, Qt::Key_F9);
        QCOMPARE(m_messages, QStringList{schaetzen::CorrectionText(fmSchaetzen->task())});
        QCOMPARE(Form2->pbCount->value(), 1);
        QCOMPARE(Shared->Outcomes[1], -1);
    }

    void tabSwitchPlacesExerciseAndMakesNewTask()
    {
        Form2->show();
        fmRabatt->sbCheckIt->setEnabled(false);
        Form2->TabControl1->setCurrentIndex(1);
        QCOMPARE(Form2->CurrentExercise, fmRabatt);
        QVERIFY(fmRabatt->isVisible());
        QCOMPARE(fmRabatt->frameGeometry(), QRect(0, 102, 800, 468));
        QVERIFY(fmRabatt->sbCheckIt->isEnabled());

        // Leaving and coming back gives a new task each time, counting nothing.
        int withoutWindow = 10;
        while (withoutWindow >= 0 && TForm2::ExerciseWindow(withoutWindow))
            --withoutWindow;
        if (withoutWindow >= 0) { // such a tab keeps the shown exercise
            fmRabatt->Edit1->setText(QStringLiteral("1234"));
            Form2->TabControl1->setCurrentIndex(withoutWindow);
            QCOMPARE(Form2->CurrentExercise, fmRabatt);
            QVERIFY(fmRabatt->isVisible());
            QCOMPARE(fmRabatt->Edit1->text(), QStringLiteral("0"));
        } else {
            Form2->TabControl1->setCurrentIndex(4);
        }
        fmRabatt->Edit1->setText(QStringLiteral("1234"));
        Form2->TabControl1->setCurrentIndex(1);
        QCOMPARE(fmRabatt->Edit1->text(), QStringLiteral("0"));
        QCOMPARE(Form2->pbCount->value(), 0);
        QVERIFY(!fmVorlage->isVisible());
    }

    void exerciseFollowsTheStrip()
    {
        Form2->show();
        Form2->TabControl1->setCurrentIndex(1);
        Form2->move(40, 30);
        Form2->TabControl1->setCurrentIndex(0);
        QCOMPARE(TForm2::ExerciseBounds(Form2->frameGeometry()), QRect(40, 132, 800, 468));
        QCOMPARE(fmSchaetzen->frameGeometry(), QRect(40, 132, 800, 468));
        QVERIFY(fmSchaetzen->isVisible());
        QVERIFY(!fmRabatt->isVisible());
        // A pair that leaves the screen (here 40 px too far right) moves back
        // once the strip is at rest, the exercise window still right below it.
        const QRect screen = Form2->screen()->availableGeometry();
        QVERIFY(!screen.contains(Form2->frameGeometry() | fmSchaetzen->frameGeometry()));
        QTRY_VERIFY(screen.contains(Form2->frameGeometry() | fmSchaetzen->frameGeometry()));
        QCOMPARE(Form2->frameGeometry().topLeft(), QPoint(screen.right() + 1 - 800, 30));
        QCOMPARE(fmSchaetzen->frameGeometry(), QRect(Form2->x(), 132, 800, 468));
    }

    void keysAtTheStripGoToTheExercise()
    {
        Form2->show();
        Form2->TabControl1->setCurrentIndex(1);
        Random().setSeed(31);
        TRandom copy(31);
        QTest::keyClick(Form2->TabControl1, Qt::Key_F2);
        const rabatt::Task t = rabatt::MakeTask(copy);
        QCOMPARE(fmRabatt->task().price, t.price);
        QCOMPARE(fmRabatt->task().discount2, t.discount2);
        QTest::keyClick(Form2, Qt::Key_F1, Qt::ShiftModifier);
        QCOMPARE(m_messages, QStringList{fmRabatt->Tips[1]});
        fmRabatt->Edit1->setText(QString::number(rabatt::ExpectedPrice(t)));
        QTest::keyClick(Form2, Qt::Key_F9);
        QCOMPARE(Form2->pbSuccess->value(), 1);
        QCOMPARE(fmVorlage->TaskValues[0], 0);
    }

    void twentyAttemptsShowTheStatistics()
    {
        Form2->show();
        Form2->TabControl1->setCurrentIndex(1);
        for (int i = 1; i <= 19; ++i)
            answerRabatt(i % 4 != 0);
        QCOMPARE(Form2->pbCount->value(), 19);
        QCOMPARE(Form2->pbSuccess->value(), 15);

        bool seen = false;
        onNextModal([&](QWidget* modal) {
            seen = true;
            QCOMPARE(modal, static_cast<QWidget*>(fmStatistic));
            QCOMPARE(Form2->pbCount->value(), 20);
            QCOMPARE(fmStatistic->StaticText1->text(),
                     QStringLiteral("Die Erfolgsquote beträgt 80%"));
            // Twenty dots in the row of tab 1, one per column.
            const QImage chart = fmStatistic->PaintBox1->grab().toImage();
            for (int i = 0; i < 20; ++i) {
                // Above the centre: the path runs through the centres of the row.
                const TColor c = at(chart, i * 30 + 14, 30 + 8);
                QCOMPARE(c, (i + 1) % 4 != 0 || i == 19 ? clr::Lime : clr::Red);
            }
        });
        answerRabatt(true);
        QVERIFY(seen);
        QCOMPARE(Form2->pbCount->value(), 0);
        QCOMPARE(Form2->pbSuccess->value(), 0);
        answerRabatt(false);
        QCOMPARE(Shared->Outcomes[1], -2);
        QCOMPARE(Form2->pbCount->value(), 1);
    }

    void f6ShowsStatisticsWithoutChangingTheSeries()
    {
        Form2->show();
        // The exercise below takes the keyboard; the strip's keys work from there.
        QVERIFY(QTest::qWaitForWindowActive(Form2->CurrentExercise));
        bool seen = false;
        onNextModal([&](QWidget* modal) {
            seen = true;
            QCOMPARE(modal, static_cast<QWidget*>(fmStatistic));
            QCOMPARE(fmStatistic->windowTitle(), QStringLiteral("Statistik"));
            QCOMPARE(fmStatistic->StaticText1->text(),
                     QStringLiteral("Es wurden noch keine Aufgaben gerechnet"));
            // Picture and icon are loaded late, but there when the window shows.
            QCOMPARE(fmStatistic->Image1->image().size(), QSize(640, 480));
            QVERIFY(!fmStatistic->BitBtn1->icon().isNull());
        });
        QTest::keyClick(Form2, Qt::Key_F6);
        QVERIFY(seen);
        QCOMPARE(Form2->pbCount->value(), 0);
    }

    void rateText_data()
    {
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("successes");
        QTest::addColumn<QString>("text");
        QTest::addRow("none") << 0 << 0 << "Es wurden noch keine Aufgaben gerechnet";
        QTest::addRow("one failure") << 1 << 0 << "Die Erfolgsquote beträgt 0%";
        QTest::addRow("three of four") << 4 << 3 << "Die Erfolgsquote beträgt 75%";
        QTest::addRow("one of two") << 2 << 1 << "Die Erfolgsquote beträgt 50%";
        QTest::addRow("three of eight up to even") << 8 << 3 << "Die Erfolgsquote beträgt 38%";
        QTest::addRow("one of eight down to even") << 8 << 1 << "Die Erfolgsquote beträgt 12%";
        QTest::addRow("all") << 20 << 20 << "Die Erfolgsquote beträgt 100%";
    }
    void rateText()
    {
        QFETCH(int, attempts);
        QFETCH(int, successes);
        QFETCH(QString, text);
        QCOMPARE(SuccessRateText(attempts, successes), text);
    }

    void chartOneFailure()
    {
        const QImage image = paintChart(chartData({-1}));
        // Red dot in the box 2,2 .. 25,25 (outline black), yellow path from 0,0 to 15,15.
        QCOMPARE(at(image, 14, 14), clr::Red);
        QCOMPARE(at(image, 2, 14), clr::Black);
        QCOMPARE(at(image, 25, 14), clr::Black);
        QVERIFY(at(image, 26, 14) != clr::Black);
        QCOMPARE(at(image, 0, 0), clr::Yellow);
        QCOMPARE(at(image, 1, 1), clr::Yellow);
        // Row lines every 30 pixels across the width.
        for (int i = 1; i <= 11; ++i)
            QCOMPARE(at(image, 599, i * 30 < 330 ? i * 30 : 329),
                     i * 30 < 330 ? clr::Black : at(image, 599, 329));
        QCOMPARE(at(image, 300, 30), clr::Black);
        QCOMPARE(at(image, 300, 31), FromQColor(QColor(0, 0, 64)));
    }

    void chartTwoAttempts()
    {
        const QImage image = paintChart(chartData({11, -1}));
        // Inside the dots, away from the path through their centres.
        QCOMPARE(at(image, 8, 10 * 30 + 22), clr::Lime); // tab 10, column 0
        QCOMPARE(at(image, 52, 15), clr::Red);           // tab 0, column 1
        // The path from the green centre (15, 315) to the red one (45, 15).
        QCOMPARE(at(image, 30, 165), clr::Yellow);
        QCOMPARE(at(image, 8, 157), clr::Yellow); // first segment, from 0,0 to 15,315
    }

    void chartWithoutAttemptsHasNoPath()
    {
        const QImage image = paintChart(chartData({}));
        for (int y = 0; y < 330; ++y)
            for (int x = 0; x < 600; ++x)
                QVERIFY(at(image, x, y) != clr::Yellow);
    }

    void realMessageBox()
    {
        SetMessageHook({});
        onNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->windowTitle(), ApplicationTitle());
            QCOMPARE(box->text(), QStringLiteral("Sehr gut... Überflieger"));
            QCOMPARE(box->icon(), QMessageBox::NoIcon);
            QCOMPARE(box->buttons().size(), 1);
        });
        ShowMessage(QStringLiteral("Sehr gut... Überflieger"));
        onNextModal([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->text(), QStringLiteral("'' ist kein gültiger Integerwert."));
        });
        ShowError(QStringLiteral("'' ist kein gültiger Integerwert"));
    }

    void closingTheStripEndsTheProgram()
    {
        Form2->show();
        Form2->TabControl1->setCurrentIndex(1);
        QVERIFY(fmRabatt->isVisible());
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        watchdog.start(3000);
        QTimer::singleShot(0, Form2, [] { Form2->SpeedButton1->click(); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!Form2->isVisible());
    }

    void longMessagesFitTheScreen()
    {
        const QFontMetrics fm(QApplication::font());
        const QString entry = QStringLiteral("'%1' ist kein gültiger Integerwert.")
                                  .arg(QString(20000, QLatin1Char('9')));
        const QString shown = FitToWidth(entry, fm, 600);
        QVERIFY(fm.horizontalAdvance(shown) <= 600);
        QVERIFY(shown.startsWith(QStringLiteral("'999")));
        QVERIFY(shown.endsWith(QStringLiteral("Integerwert.")));
        QCOMPARE(FitToWidth(QStringLiteral("Kurz\nauch kurz"), fm, 600),
                 QStringLiteral("Kurz\nauch kurz"));

        SetMessageHook({});
        onNextModal([](QWidget* modal) {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            QVERIFY(modal->frameGeometry().width() <= screen.width());
        });
        ShowError(entry);
    }

    void calculator()
    {
        QTemporaryDir dir;
        // Found before PATH is narrowed to the fake calculator alone.
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", dir.path().toLocal8Bit());
        Form2->show();
        // The exercise below takes the keyboard; the strip's keys work from there.
        QVERIFY(QTest::qWaitForWindowActive(Form2->CurrentExercise));
        QTest::keyClick(Form2, Qt::Key_F5); // none on PATH: silently nothing
        QCOMPARE(Form2->CalcProcess.hProcess, InvalidProcessHandle);

        const QString fake = dir.filePath(QStringLiteral("galculator"));
        QFile f(fake);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nexec /bin/sleep 60\n"); // PATH holds only this folder
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QTest::keyClick(Form2, Qt::Key_F5);
        const TProcessInformation first = Form2->CalcProcess;
        QVERIFY(first.hProcess != InvalidProcessHandle);
        QVERIFY(!processState(first.dwProcessId).isEmpty());
        Form2->SpeedButton2->click();
        const TProcessInformation second = Form2->CalcProcess;
        QVERIFY(second.hProcess != first.hProcess);
        QTRY_VERIFY_WITH_TIMEOUT(processState(first.dwProcessId).isEmpty(),
                                 5000); // ended and reaped
        QVERIFY(!processState(second.dwProcessId).isEmpty());

        // The pupil closes the calculator; F5 starts a new one without a message.
        QVERIFY(TerminateProcess(second.hProcess, 0));
        QTRY_VERIFY_WITH_TIMEOUT(processState(second.dwProcessId).isEmpty(), 5000);
        Form2->Rechner1->trigger();
        const TProcessInformation third = Form2->CalcProcess;
        QVERIFY(third.hProcess != InvalidProcessHandle);
        QVERIFY(m_messages.isEmpty());

        // Program end ends the last one.
        m_forms.reset();
        QTRY_VERIFY_WITH_TIMEOUT(processState(third.dwProcessId).isEmpty(), 5000);
        qputenv("PATH", path);
        m_forms = std::make_unique<TForms>();
        CreateForms(*m_forms);
    }

    // The chart shows what the record holds now, also after it was emptied.
    void lernverlaufChartFollowsTheRecord()
    {
        QTemporaryDir dir;
        SetLearningRecord(
            std::make_unique<TLearningRecord>(dir.filePath(QStringLiteral("lernverlauf.sqlite"))));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QVERIFY(LearningRecord().Add(
            {now.toMSecsSinceEpoch(), QStringLiteral("rabatt"), true, now.toMSecsSinceEpoch()}));
        TfmLernverlauf window;
        window.resize(640, 640);
        auto points = [&window, &now] {
            window.ShowRecord(now);
            const QImage chart =
                static_cast<QWidget*>(window.findChild<QWidget*>(QStringLiteral("Chart")))
                    ->grab()
                    .toImage();
            int lime = 0;
            for (int y = 0; y < chart.height(); ++y)
                for (int x = 0; x < chart.width(); ++x)
                    lime += chart.pixelColor(x, y) == QColor(Qt::green);
            return lime;
        };
        QVERIFY(points() > 0);
        QVERIFY(LearningRecord().Clear());
        QCOMPARE(points(), 0);
    }

    // Every counted attempt is kept with its exercise's key and its series;
    // F7 shows the tallies; with recording off nothing is written.
    void learningRecordKeepsCountedAttempts()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lernverlauf.sqlite"));
        SetLearningRecord(std::make_unique<TLearningRecord>(file));
        QVERIFY(!QFile::exists(file)); // nothing opened before the first attempt
        Form2->show();
        Form2->TabControl1->setCurrentIndex(1);
        onNextModal([](QWidget*) {}); // the statistics after twenty
        for (int i = 1; i <= 21; ++i)
            answerRabatt(i % 3 != 0);
        std::vector<lernverlauf::Attempt> kept;
        QVERIFY(LearningRecord().ForEach(
            ExerciseKeys(), [&](const lernverlauf::Attempt& a) { kept.push_back(a); }));
        QCOMPARE(kept.size(), size_t(21));
        for (size_t i = 0; i < kept.size(); ++i) {
            QCOMPARE(kept[i].exercise, QStringLiteral("rabatt"));
            QCOMPARE(kept[i].right, (i + 1) % 3 != 0);
            QCOMPARE(kept[i].series == kept[0].series, i < 20);
        }
        onNextModal([](QWidget* modal) {
            QCOMPARE(modal, static_cast<QWidget*>(fmLernverlauf));
            const int row = static_cast<int>(ExerciseKeys().indexOf(QStringLiteral("rabatt")));
            QCOMPARE(fmLernverlauf->Table->item(row, 0)->text(), QStringLiteral("Rabatt"));
            QCOMPARE(fmLernverlauf->Table->item(row, 1)->text(),
                     QStringLiteral("21 Versuche, 67 % richtig"));
            QCOMPARE(fmLernverlauf->Table->item(row, 2)->text(),
                     QStringLiteral("21 Versuche, 67 % richtig"));
        });
        QTest::keyClick(Form2, Qt::Key_F7);
        QVERIFY(!fmLernverlauf->isVisible());

        SetRecording(false);
        answerRabatt(true);
        SetRecording(true);
        int rows = 0;
        LearningRecord().ForEach(ExerciseKeys(), [&](const lernverlauf::Attempt&) { ++rows; });
        QCOMPARE(rows, 21);
        QVERIFY(!m_messages.join(QLatin1Char('\n')).contains(QStringLiteral("Lernverlauf")));
    }
};

TRAINER_TEST_MAIN(TestApp)
#include "test_app.moc"
