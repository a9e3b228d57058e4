#include "ExerciseTest.h"
#include "TestMain.h"

#include "core/Random.h"
#include "framework/Vorlage.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QTimer>
#include <QTimerEvent>

#include <map>
#include <random>

#ifndef SOAK_CYCLES
#define SOAK_CYCLES 20000
#endif

namespace {

// Success messages of exercises that do without the praise texts.
const QStringList OwnPraise{
    QStringLiteral("Der Zins in der ersten Zeile wurde richtig berechnet!"),
    QStringLiteral("Der Zinssatz in der 3.Zeile wurde richtig berechnet!"),
    QStringLiteral("Das Kapital wurde richtig berechnet!"),
    QStringLiteral("Das Auszahlungsdatum stimmt genau !"),
};

const QRegularExpression
    ConversionError(QStringLiteral("^'(.*)' ist kein gültiger Integerwert\\.$"),
                    QRegularExpression::DotMatchesEverythingOption);
const QRegularExpression ResetText(QStringLiteral("^0(,0+)?$"));
const QRegularExpression Number(QStringLiteral("-?\\d+(?:,\\d+)?"));

struct Message {
    MessageKind kind;
    QString text;
};

struct Figures {
    int cycles = 0;
    int successes = 0;
    int failures = 0;
    int conversions = 0;
    int ignored = 0; // F9 while the evaluation button was disabled
};

} // namespace

// Thousands of task cycles with hostile entries on the real windows, checked
// against a model of the series after every step.
class TestSoak : public ExerciseTest {
    Q_OBJECT
private:
    std::mt19937 m_rng{0x50A4u};
    QList<Message> m_shown;
    QList<QPair<int, int>> m_statistics; // bars as the statistics window saw them

    // The series as the verdicts tell it.
    int m_attempts = 0;
    int m_successes = 0;
    std::array<int32_t, 128> m_outcomes{};
    std::map<int, bool> m_open; // per tab: evaluation button enabled
    std::map<int, QStringList> m_lastNumbers;
    QStringList m_plausible{QStringLiteral("0"), QStringLiteral("100")};
    std::map<int, Figures> m_figures;
    int m_statisticsShown = 0;
    int m_choiceOpenedTask = 0;
    int m_hugeEntries = 0;

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    bool chance(int percent) { return pick(100) < percent; }
    template <class T> const T& any(const QList<T>& list) { return list[pick(list.size())]; }

    int tab() const { return Form2->TabControl1->currentIndex(); }
    TfmVorlage* window() const { return ExerciseAtTab(tab())->window(); }

    QList<QLineEdit*> textFields() const
    {
        QList<QLineEdit*> fields;
        for (QLineEdit* e : window()->findChildren<QLineEdit*>())
            if (e->isVisible() && e->isEnabled())
                fields << e;
        return fields;
    }
    QList<QComboBox*> choiceBoxes() const
    {
        QList<QComboBox*> boxes;
        for (QComboBox* b : window()->findChildren<QComboBox*>())
            if (b->isVisible() && b->isEnabled())
                boxes << b;
        return boxes;
    }
    QList<QListView*> choiceLists() const
    {
        QList<QListView*> lists;
        // A drop-down list's own popup is a window of its own and not a choice here.
        for (QListView* v : window()->findChildren<QListView*>())
            if (v->isVisible() && v->isEnabled() && v->window() == window())
                lists << v;
        return lists;
    }
    // Every entry field of the window, shown or not, with what it holds.
    QList<QPair<QLineEdit*, QString>> entries() const
    {
        QList<QPair<QLineEdit*, QString>> all;
        for (QLineEdit* e : window()->findChildren<QLineEdit*>())
            all << qMakePair(e, e->text());
        return all;
    }

    bool animating() const
    {
        for (QTimer* t : window()->findChildren<QTimer*>())
            if (t->isActive())
                return true;
        return false;
    }
    // Runs the window's timers to their end without waiting real time.
    bool driveTimers()
    {
        for (int tick = 0; tick < 10000; ++tick) {
            bool active = false;
            for (QTimer* t : window()->findChildren<QTimer*>()) {
                if (!t->isActive())
                    continue;
                active = true;
                QTimerEvent event(t->timerId());
                QCoreApplication::sendEvent(t, &event);
            }
            if (!active)
                return true;
        }
        return false;
    }

    QString hugeText()
    {
        static const QChar fills[] = {QLatin1Char('1'), QLatin1Char('a'), QChar(0x4E00),
                                      QChar(0x0416), QLatin1Char(' ')};
        QString s(1 << 20, fills[pick(5)]);
        if (chance(50))
            s.prepend(QLatin1Char('-'));
        return s;
    }

    QString nearMiss(const QString& n)
    {
        bool ok = false;
        const long long v = QString(n).replace(QLatin1Char(','), QString()).toLongLong(&ok);
        if (!ok)
            return n;
        switch (pick(8)) {
        case 0:
            return n;
        case 1:
            return QString::number(v + 1);
        case 2:
            return QString::number(v - 1);
        case 3:
            return n + QStringLiteral(",0");
        case 4:
            return n + QStringLiteral(",5");
        case 5:
            return QString::number(v * 10);
        case 6:
            return n + QStringLiteral(" €");
        default:
            return QString(n).replace(QLatin1Char(','), QLatin1Char('.'));
        }
    }

    QString answer()
    {
        static const QStringList forms{QString(),
                                       QStringLiteral(" "),
                                       QStringLiteral(" 12"),
                                       QStringLiteral("12 "),
                                       QStringLiteral("\t12"),
                                       QStringLiteral("+5"),
                                       QStringLiteral("-0"),
                                       QStringLiteral("--5"),
                                       QStringLiteral("+-5"),
                                       QStringLiteral("+"),
                                       QStringLiteral("-"),
                                       QStringLiteral("$1F"),
                                       QStringLiteral("0x1F"),
                                       QStringLiteral("x1f"),
                                       QStringLiteral("X1F"),
                                       QStringLiteral("$"),
                                       QStringLiteral("0x"),
                                       QStringLiteral("$FFFFFFFF"),
                                       QStringLiteral("$80000000"),
                                       QStringLiteral("0x7FFFFFFF"),
                                       QStringLiteral("$-1"),
                                       QStringLiteral("-$1F"),
                                       QStringLiteral("12,5"),
                                       QStringLiteral("12.5"),
                                       QStringLiteral("1.000"),
                                       QStringLiteral("1,5E3"),
                                       QStringLiteral(",5"),
                                       QStringLiteral("5,"),
                                       QStringLiteral("1E400"),
                                       QStringLiteral("-1E5000"),
                                       QStringLiteral("1,5E-400"),
                                       QStringLiteral("1E99999999999"),
                                       QStringLiteral("NaN"),
                                       QStringLiteral("inf"),
                                       QStringLiteral("-INF"),
                                       QStringLiteral("2147483647"),
                                       QStringLiteral("2147483648"),
                                       QStringLiteral("-2147483648"),
                                       QStringLiteral("-2147483649"),
                                       QStringLiteral("99999999999999999999999"),
                                       QStringLiteral("abc"),
                                       QStringLiteral("zwölf"),
                                       QStringLiteral("12a"),
                                       QStringLiteral("a12"),
                                       QStringLiteral("12%"),
                                       QStringLiteral("15.9"),
                                       QStringLiteral("двенадцать"),
                                       QStringLiteral("十二"),
                                       QStringLiteral("😀"),
                                       QStringLiteral("١٢"),
                                       QStringLiteral("עברית"),
                                       QStringLiteral("１２"),
                                       QStringLiteral("1\u0301"),
                                       QStringLiteral("e\u0301\u0302\u0303"),
                                       QStringLiteral("\u202E12"),
                                       QString(QChar(0)),
                                       QStringLiteral("12") + QChar(0),
                                       QStringLiteral("\x01\x7f\x1b"),
                                       QStringLiteral("1\n2"),
                                       QStringLiteral("\r")};
        switch (pick(12)) {
        case 0:
            return QString::number(pick(2001) - 1000);
        case 1:
            return QString::number(static_cast<int32_t>(m_rng()));
        case 2:
        case 3:
            return nearMiss(any(m_plausible));
        case 4:
            if (pick(25) == 0) {
                ++m_hugeEntries;
                return hugeText();
            }
            [[fallthrough]];
        default:
            return any(forms);
        }
    }

    // Picks and types the answers as a pupil might; choices first, since a
    // choice may open a new task that resets the text fields.
    void fillAnswers()
    {
        for (QComboBox* box : choiceBoxes())
            box->setCurrentIndex(pick(box->count() + 1) - 1);
        for (QListView* view : choiceLists()) {
            const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
            const int row = pick(rows + 1) - 1;
            view->clearSelection();
            view->setCurrentIndex(row < 0 ? QModelIndex()
                                          : view->model()->index(row, 0, view->rootIndex()));
        }
        const QList<QLineEdit*> fields = textFields();
        const QStringList numbers = m_lastNumbers[tab()];
        const bool replay = !numbers.isEmpty() && chance(25);
        for (int i = 0; i < fields.size(); ++i) {
            QLineEdit* field = fields[i];
            const QString text = replay ? (chance(70) ? numbers[i % numbers.size()]
                                                      : nearMiss(numbers[i % numbers.size()]))
                                        : answer();
            if (typeable(text) && chance(10)) {
                field->clear();
                QTest::keyClicks(field, text);
            } else {
                field->setText(text);
            }
            QVERIFY(field->text().size() <= field->maxLength());
        }
    }

    // Short plain ASCII, which QTest can type key by key.
    static bool typeable(const QString& text)
    {
        if (text.size() > 12)
            return false;
        for (QChar c : text)
            if (c.unicode() < 0x20 || c.unicode() > 0x7E)
                return false;
        return true;
    }

    QWidget* keyTarget()
    {
        const QList<QLineEdit*> fields = textFields();
        switch (pick(4)) {
        case 0:
            if (QWidget* focus = window()->focusWidget())
                return focus;
            return window();
        case 1:
            if (!fields.isEmpty())
                return any(fields);
            return window();
        case 2:
            return Form2; // the strip hands the key to the exercise shown
        default:
            return window();
        }
    }

    void checkSeries()
    {
        QCOMPARE(Form2->pbCount->value(), m_attempts);
        QCOMPARE(Form2->pbSuccess->value(), m_successes);
        QVERIFY(Shared->Outcomes == m_outcomes);
    }
    void checkButton() { QCOMPARE(window()->sbCheckIt->isEnabled(), m_open[tab()]); }
    void checkEntries(const QList<QPair<QLineEdit*, QString>>& before)
    {
        for (const auto& [field, text] : before)
            QCOMPARE(field->text(), text);
    }

    // A new task was asked for: the button opens now or, with an animation, when it ends.
    void expectNewTask()
    {
        if (!animating())
            m_open[tab()] = true;
        checkButton();
        // Sometimes press F9 while the scene still moves.
        if (animating() && chance(30))
            pressCheck();
        QVERIFY(driveTimers());
        m_open[tab()] = true;
        checkButton();
        checkSeries();
    }

    void selectTab(int index)
    {
        QTabBar* bar = Form2->TabControl1;
        m_shown.clear();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        QCOMPARE(tab(), index);
        QVERIFY(window()->isVisible());
        QVERIFY(m_shown.isEmpty());
        expectNewTask();
    }

    void pressTip()
    {
        const auto before = entries();
        const bool open = window()->sbCheckIt->isEnabled();
        m_shown.clear();
        QTest::keyClick(keyTarget(), Qt::Key_F1);
        QCOMPARE(m_shown.size(), 1);
        QCOMPARE(m_shown[0].kind, MessageKind::Plain);
        const QStringList& tips = window()->Tips;
        QCOMPARE(m_shown[0].text, tips.isEmpty() ? QStringLiteral("1 Prozent ist 1/100")
                                                 : tips.value(window()->TipIndex));
        checkEntries(before);
        QCOMPARE(window()->sbCheckIt->isEnabled(), open);
        checkSeries();
    }

    void pressNew()
    {
        m_shown.clear();
        QTest::keyClick(keyTarget(), Qt::Key_F2);
        QVERIFY(m_shown.isEmpty());
        checkSeries();
        expectNewTask();
    }

    void pressCheck()
    {
        const int t = tab();
        Figures& fig = m_figures[t];
        const auto before = entries();
        const int shownBefore = m_statisticsShown;
        const bool open = window()->sbCheckIt->isEnabled();
        m_shown.clear();
        m_statistics.clear();
        QTest::keyClick(keyTarget(), Qt::Key_F9);
        QCOMPARE(tab(), t);
        if (!open) {
            ++fig.ignored;
            QVERIFY(m_shown.isEmpty());
            checkEntries(before);
            checkButton();
            checkSeries();
            return;
        }
        QCOMPARE(m_shown.size(), 1);
        const Message m = m_shown[0];
        QVERIFY(!m.text.isEmpty());
        if (m.kind == MessageKind::Error) {
            // The conversion error quotes an entry as it stands; nothing is counted.
            const QRegularExpressionMatch match = ConversionError.match(m.text);
            QVERIFY2(match.hasMatch(), qPrintable(m.text.left(200)));
            bool quoted = false;
            for (const auto& entry : before)
                quoted = quoted || entry.second == match.captured(1);
            QVERIFY2(quoted, qPrintable(m.text.left(200)));
            ++fig.conversions;
            checkEntries(before);
            checkButton();
            checkSeries();
            QCOMPARE(m_statisticsShown, shownBefore);
            return;
        }
        // An entry that is no number is reset, one field at most, to zero, where
        // the window's policy says so; none is reset otherwise.
        int reset = 0;
        for (const auto& [field, text] : before) {
            if (field->text() != text) {
                ++reset;
                QVERIFY2(ResetText.match(field->text()).hasMatch(), qPrintable(field->text()));
            }
        }
        const TInvalidEntry policy = window()->InvalidEntry();
        QVERIFY(reset <= (policy == TInvalidEntry::Refuse ? 0 : 1));
        if (reset && policy == TInvalidEntry::ResetUncounted) {
            ++fig.conversions;
            checkButton();
            checkSeries();
            QCOMPARE(m_statisticsShown, shownBefore);
            return;
        }

        const bool success = !reset && (praises().contains(m.text) || OwnPraise.contains(m.text));
        ++(success ? fig.successes : fig.failures);
        if (!success) {
            QStringList numbers;
            for (const QRegularExpressionMatch& n : Number.globalMatch(m.text))
                numbers << n.captured();
            m_lastNumbers[t] = numbers;
            if (!numbers.isEmpty())
                m_plausible << any(numbers);
            if (m_plausible.size() > 200)
                m_plausible.removeFirst();
        }
        ++m_attempts;
        m_successes += success ? 1 : 0;
        m_outcomes[static_cast<size_t>(m_attempts)] = success ? t + 1 : -(t + 1);
        if (m_attempts == Shared->SeriesLength()) {
            QCOMPARE(m_statisticsShown, shownBefore + 1);
            QCOMPARE(m_statistics, (QList<QPair<int, int>>{{m_attempts, m_successes}}));
            m_attempts = 0;
            m_successes = 0;
        } else {
            QCOMPARE(m_statisticsShown, shownBefore);
        }
        checkSeries();
        // The template closes the task, unless the window lets the pupil try it again.
        m_open[t] = !window()->ClosesTaskOnVerdict();
        checkButton();
    }

private slots:
    void initTestCase()
    {
        SetMessageHook([this](MessageKind kind, const QString& text) {
            m_shown << Message{kind, text};
        });
        m_forms = std::make_unique<TForms>();
        CreateForms(*m_forms);
        Random().setSeed(20000);
        Shared->ShowStatistics = [this] {
            ++m_statisticsShown;
            m_statistics << qMakePair(Shared->Attempts(), Shared->Successes());
        };
        m_outcomes = Shared->Outcomes;
        Form2->show();
        QVERIFY(window());
        QVERIFY(driveTimers());
        m_open[tab()] = window()->sbCheckIt->isEnabled();
        QVERIFY(m_open[tab()]);
    }
    void cleanupTestCase() { closeProgram(); }

    void soak()
    {
        const int tabs = Exercises().size();
        QVERIFY(tabs > 0);
        QCOMPARE(Form2->TabControl1->count(), tabs);
        for (const TExercise& e : Exercises())
            QVERIFY2(e.window(), e.tabText);

        // A longer run by hand: SOAK_CYCLES in the environment.
        const int cycles = qEnvironmentVariableIsSet("SOAK_CYCLES")
                               ? qEnvironmentVariableIntValue("SOAK_CYCLES")
                               : SOAK_CYCLES;
        QVERIFY(cycles > 0);
        QElapsedTimer clock;
        clock.start();
        for (int cycle = 0; cycle < cycles; ++cycle) {
            if (tabs > 1 && (cycle == 0 || chance(12))) {
                const int next = (tab() + 1 + pick(tabs - 1)) % tabs;
                selectTab(next);
            }
            ++m_figures[tab()].cycles;
            if (chance(30))
                pressTip();
            // A pupil mostly asks for the next task once this one is evaluated.
            if (chance(window()->sbCheckIt->isEnabled() ? 15 : 80))
                pressNew();

            const bool openBefore = window()->sbCheckIt->isEnabled();
            m_shown.clear();
            fillAnswers();
            QVERIFY(m_shown.isEmpty());
            // Only the interest exercise's variant list opens a task by a choice;
            // whichever it is, a choice never closes one.
            if (window()->sbCheckIt->isEnabled() != openBefore) {
                QVERIFY(!openBefore);
                ++m_choiceOpenedTask;
                expectNewTask();
            }
            checkButton();
            checkSeries();

            pressCheck();
            if (chance(20))
                pressCheck(); // a second F9 on the same task
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(
                    QStringLiteral("cycle %1 in %2").arg(cycle).arg(window()->windowTitle())));
            // Lets the shown window paint what the hostile entries left.
            if (cycle % 20 == 0)
                QCoreApplication::processEvents();
        }

        Figures total;
        for (int i = 0; i < tabs; ++i) {
            const Figures& f = m_figures[i];
            const TfmVorlage* w = ExerciseAtTab(i)->window();
            qInfo("%-14s %5d cycles, %4d right, %5d wrong, %5d not counted, %5d F9 ignored%s",
                  qPrintable(w->windowTitle()), f.cycles, f.successes, f.failures, f.conversions,
                  f.ignored, w->ClosesTaskOnVerdict() ? "" : ", task stays open");
            QVERIFY2(f.cycles > 0, qPrintable(w->windowTitle()));
            total.cycles += f.cycles;
            total.successes += f.successes;
            total.failures += f.failures;
            total.conversions += f.conversions;
            total.ignored += f.ignored;
        }
        qInfo("%d cycles in %lld ms: %d verdicts (%d right), %d not counted, %d F9 ignored, "
              "statistics shown %d times, %d tasks opened by a choice, %d entries of 1 MB",
              total.cycles, static_cast<long long>(clock.elapsed()),
              total.successes + total.failures, total.successes, total.conversions, total.ignored,
              m_statisticsShown, m_choiceOpenedTask, m_hugeEntries);
        QCOMPARE(total.cycles, cycles);
        QVERIFY(m_statisticsShown > 0);
    }
};

TRAINER_TEST_MAIN(TestSoak)
#include "test_soak.moc"
