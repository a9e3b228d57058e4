#pragma once

#include "app/Exercises.h"
#include "app/Forms.h"
#include "app/Main.h"
#include "core/Random.h"
#include "framework/Vorlage.h"
#include "framework/share2.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QStringList>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <type_traits>
#include <vector>

// Runs `check` on the next modal window, then closes it with OK.
inline void onNextModal(std::function<void(QWidget*)> check)
{
    QTimer::singleShot(0, [check] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            onNextModal(check);
            return;
        }
        check(modal);
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            box->button(QMessageBox::Ok)->click();
        else if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->accept();
    });
}

// The registry row of a window, or none.
inline const TExercise* ExerciseOf(const QWidget* window)
{
    for (const TExercise& e : Exercises())
        if (window && e.window() == window)
            return &e;
    return nullptr;
}

// The tab texts in tab order, of the exercises whose window holds a T when
// one is given (the program open): the exercises a table must cover.
template <class T = void> QStringList TabTexts()
{
    QStringList texts;
    for (int tab = 0; tab < Exercises().size(); ++tab) {
        const QObject* window = ExerciseAtTab(tab)->window();
        if constexpr (!std::is_void_v<T>)
            if (window->template findChildren<T*>().isEmpty())
                continue;
        texts << ExerciseTabText(tab);
    }
    return texts;
}

// Fails unless the rows' tags, each begun by a tab text, name each of `texts`
// and nothing else.
inline void checkRowsCover(const QStringList& tags, QStringList texts)
{
    QStringList named;
    for (const QString& tag : tags)
        if (!named.contains(tag.section(' ', 0, 0)))
            named << tag.section(' ', 0, 0);
    named.sort();
    texts.sort();
    QCOMPARE(named, texts);
}

// Base of the exercise tests: the program's windows, with every message box
// captured in m_messages (errors shown by the error display marked "E:").
class ExerciseTest : public QObject {
protected:
    // Creates all windows; no tab is chosen yet.
    void createProgram()
    {
        SetMessageHook([this](MessageKind kind, const QString& text) {
            m_messages << (kind == MessageKind::Error ? QStringLiteral("E:") : QString()) + text;
        });
        m_forms = std::make_unique<TForms>();
        CreateForms(*m_forms);
    }
    // Shows the strip with the exercise of `tab` selected.
    void showTab(int tab)
    {
        Form2->show();
        Form2->TabControl1->setCurrentIndex(tab);
        m_tab = tab;
        m_window = Form2->CurrentExercise;
        QVERIFY(m_window && m_window->isVisible());
    }
    void openProgram(int tab)
    {
        createProgram();
        showTab(tab);
    }
    // Opens the program at the tab the registry gives the window.
    template <class T> void openProgram(T*& window)
    {
        openProgram([&window]() -> TfmVorlage* { return window; });
    }
    void openProgram(const std::function<TfmVorlage*()>& window)
    {
        createProgram();
        const TExercise* e = ExerciseOf(window());
        QVERIFY(e);
        showTab(e->tab);
        QCOMPARE(m_window, window());
    }
    void closeProgram()
    {
        m_forms.reset();
        m_window = nullptr;
        SetMessageHook({});
    }
    // No message seen yet, a fresh series with no outcome stored.
    void resetSeries()
    {
        m_messages.clear();
        Shared->ResetSeries();
        Shared->Outcomes.fill(0);
    }
    static QStringList praises()
    {
        QStringList texts;
        for (const char* t : PraiseTexts)
            texts << QString::fromUtf8(t);
        return texts;
    }
    static QString conversionError(const QString& entry)
    {
        return QStringLiteral("E:'%1' ist kein gültiger Integerwert.").arg(entry);
    }

    // Types like a pupil where the test library can type it.
    static void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->clear();
        const bool typeable =
            text.size() < 100 &&
            std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
        if (typeable)
            QTest::keyClicks(edit, text);
        else
            edit->setText(text);
        QCOMPARE(edit->text(), text);
    }
    // Types the answer and asks for the verdict.
    static void answer(QLineEdit* edit, const QString& text)
    {
        type(edit, text);
        QTest::keyClick(edit, Qt::Key_F9);
    }
    // Picks the items with the arrow keys, -1 leaving a list untouched, and asks
    // for the verdict.
    static void pick(const std::vector<QComboBox*>& boxes, const QList<int>& indices)
    {
        for (size_t i = 0; i < boxes.size(); ++i) {
            QComboBox* box = boxes[i];
            box->setFocus();
            // Down steps from no pick to the first item.
            for (int k = 0; k <= indices[static_cast<int>(i)]; ++k)
                QTest::keyClick(box, Qt::Key_Down);
            QCOMPARE(box->currentIndex(), indices[static_cast<int>(i)]);
        }
        QTest::keyClick(boxes.front(), Qt::Key_F9);
    }

    // One verdict: the praise (empty message) or the message, counted once for
    // this tab; the task then closed, unless m_staysOpen.
    void expectVerdict(bool right, const QString& message = {})
    {
        QCOMPARE(m_messages.size(), 1);
        if (message.isEmpty())
            QVERIFY2(praises().contains(m_messages[0]), qPrintable(m_messages[0]));
        else
            QCOMPARE(m_messages[0], message);
        QCOMPARE(Form2->pbCount->value(), 1);
        QCOMPARE(Form2->pbSuccess->value(), right ? 1 : 0);
        QCOMPARE(Shared->Outcomes[1], right ? m_tab + 1 : -(m_tab + 1));
        QCOMPARE(m_window->sbCheckIt->isEnabled(), m_staysOpen);
        if (m_staysOpen)
            return;
        // Closed: neither F9 nor the button evaluates again.
        QTest::keyClick(m_window, Qt::Key_F9);
        m_window->sbCheckIt->click();
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(Form2->pbCount->value(), 1);
    }
    // An entry that is no number, handled as `policy` says.
    void expectInvalid(const QString& message, TInvalidEntry policy)
    {
        const bool counted = policy == TInvalidEntry::ResetAsFailure;
        QCOMPARE(m_messages, QStringList{message});
        QCOMPARE(Form2->pbCount->value(), counted ? 1 : 0);
        QCOMPARE(Form2->pbSuccess->value(), 0);
        QCOMPARE(Shared->Outcomes[1], counted ? -(m_tab + 1) : 0);
        QCOMPARE(m_window->sbCheckIt->isEnabled(), !counted);
    }

    std::unique_ptr<TForms> m_forms;
    QStringList m_messages;
    TfmVorlage* m_window = nullptr;
    int m_tab = -1;
    // The exercise leaves its task open after a verdict.
    bool m_staysOpen = false;
};

// Base of the tests of one exercise window: the program opened at its tab for
// the whole test case; before each test a fresh series and, with NewTask, a
// new task.
class WindowTest : public ExerciseTest {
    Q_OBJECT
public:
    enum EachTest { NewTask, SameTask };
    template <class T>
    explicit WindowTest(T*& window, EachTest each = NewTask)
        : m_target([&window]() -> TfmVorlage* { return window; })
        , m_each(each)
    {}

protected:
    TfmVorlage* target() const { return m_target(); }
    // Opens the program at the window; a test case adds its own steps around it.
    virtual void open() { openProgram(m_target); }

private slots:
    void initTestCase() { open(); }
    void init()
    {
        resetSeries();
        if (m_each == NewTask)
            target()->NewTask();
    }
    void cleanupTestCase() { closeProgram(); }

private:
    std::function<TfmVorlage*()> m_target;
    EachTest m_each;
};

// The tests of the window `Window`, its program-wide reference.
template <auto& Window, WindowTest::EachTest Each = WindowTest::NewTask>
class WindowOf : public WindowTest {
public:
    WindowOf()
        : WindowTest(Window, Each)
    {}
};
