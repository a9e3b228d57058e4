#pragma once

#include "core/TaskNumbers.h"
#include "core/Verdict.h"
#include "platform/Application.h"
#include "platform/Widgets.h"

#include <QLabel>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// What an entry that is no number does to the task and the series.
enum class TInvalidEntry {
    // Reading raises the conversion error, which is shown; the entry stays as
    // typed, nothing is counted and the task stays open.
    Refuse,
    // The exercise's message is shown and the entry reset; nothing is counted
    // and the task stays open.
    ResetUncounted,
    // The exercise's message is shown and the entry reset; the attempt counts
    // as a failure and the task is closed.
    ResetAsFailure,
};

// The exercise template: a window with the bottom panel (task text, "Tip  F1",
// "Neu  F2", "Bewerten  F9"), the hint cycle and the task cycle. Exercises
// override NewTask and CheckAnswer, which ends in Conclude; keys F1, F2 and F9
// are previewed.
class TfmVorlage : public QWidget, public TKeyPreviewForm {
    Q_OBJECT
public:
    explicit TfmVorlage(QWidget* parent = nullptr);

    // Runs once after construction, with the window's program-wide reference set:
    // starts the hints and makes the first task, unless the task is animated.
    virtual void FormCreate();

    // Makes and shows a new task; every exercise overrides it.
    virtual void NewTask();
    // Shows the next hint.
    virtual void ShowTip();
    // Evaluates the answer; this base version only closes the task.
    virtual void CheckAnswer();

    void SetTips(const QStringList& tips);

    // Ends every evaluation: shows the praise or the message, counts the
    // attempt and closes the task; an invalid entry as the window's policy says.
    void Conclude(const TVerdict& verdict);
    void Conclude(bool right, const QString& correction);

    TInvalidEntry InvalidEntry() const { return m_invalidEntry; }
    // Off: the task stays open after a verdict, so that the pupil may correct
    // the entries and have them evaluated again as one more attempt.
    bool ClosesTaskOnVerdict() const { return m_closesTask; }

    // The task as screen readers tell it.
    const QString& TaskTold() const { return m_taskTold; }

    // Gives the keyboard focus to the first control of the tab order that takes
    // it; an edit field gets its text selected, so typing replaces it.
    void FocusFirstControl();
    // The first control of the tab order that takes the focus.
    QWidget* FirstControl() const;

    void FormKeyDown(int key, Qt::KeyboardModifiers shift) override;

    void sbTipClick();
    void sbNewClick();
    void sbCheckItClick();

    TPanel* Panel6;
    QLabel* laTaskText;
    TSpeedButton* sbTip;
    TSpeedButton* sbNew;
    TSpeedButton* sbCheckIt;

    int32_t TipIndex = 0;
    QStringList Tips;
    std::array<int32_t, 449> TaskValues{};

protected:
    // Fixes the client size and lays out the aligned children.
    void setClientSize(int width, int height);
    TAlignLayout* alignLayout() const { return m_layout; }
    // The window never closes alone; a close request from the window manager
    // closes the owner window (the strip) instead.
    void closeEvent(QCloseEvent* event) override;
    // A window that shows starts at its first control.
    void showEvent(QShowEvent* event) override;
    // Tab in a window with one control comes back to it, its text selected.
    bool focusNextPrevChild(bool next) override;

    void setInvalidEntry(TInvalidEntry policy) { m_invalidEntry = policy; }
    // An animated task waits for its window to show, and "Bewerten" for the
    // animation to end.
    void setAnimatesTask(bool animates) { m_animatesTask = animates; }
    bool AnimatesTask() const { return m_animatesTask; }
    void setClosesTaskOnVerdict(bool closes) { m_closesTask = closes; }
    // Puts the answer back to its start after an invalid entry.
    virtual void ResetEntry() {}
    // The controls that take the answer, which a new task puts back to their
    // start: fields to "0", lists to no pick.
    void setAnswerControls(std::vector<QWidget*> controls)
    {
        m_answerControls = std::move(controls);
    }
    // Puts the answer controls to their start for a new task.
    virtual void ResetAnswer();

    // For screen readers. A drawing that shows the task gets the name and, after
    // every new task, the description `describe` makes; a part is a further text
    // of the task. The task as told is the task text followed by the drawings'
    // descriptions (those that join it) and the parts, in the order they were
    // added: on arrival as the first control's description, read with it once;
    // a new task while the pupil is in the window as a notification.
    void DescribeDrawing(QWidget* drawing, const QString& name, std::function<QString()> describe,
                         bool joinsTask = true);
    void AddTaskPart(std::function<QString()> part);
    // Renews those descriptions; called whenever the task has changed.
    void TaskChanged();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TTaskPart {
        QWidget* drawing; // null for a text part
        std::function<QString()> describe;
        bool joinsTask;
    };
    void describeTask();
    std::vector<TTaskPart> m_taskParts;
    QString m_taskTold;
    QPointer<QWidget> m_describedControl;
    TAlignLayout* m_layout;
    TInvalidEntry m_invalidEntry = TInvalidEntry::Refuse;
    bool m_closesTask = true;
    bool m_animatesTask = false;
    std::vector<QWidget*> m_answerControls;
};

extern TfmVorlage* fmVorlage;

// An exercise whose task is a `Task`, kept in TaskValues from index `First` on
// (see EachNumber). The exercise draws a task, shows it and resets its answer;
// the template keeps it, tells screen readers and opens "Bewerten".
template <class Task, std::size_t First = 0> class TfmExercise : public TfmVorlage {
public:
    using TfmVorlage::TfmVorlage;

    Task task() const { return TakeNumbers<Task>(TaskValues, First); }
    void setTask(const Task& task)
    {
        PutNumbers(task, TaskValues, First);
        ShowTask(task);
        TaskChanged();
    }

    void NewTask() override
    {
        setTask(DrawTask());
        ResetAnswer();
        if (!AnimatesTask())
            sbCheckIt->setEnabled(true);
    }

protected:
    // A new task from the program-wide generator.
    virtual Task DrawTask() = 0;
    // Shows the task in the window's controls.
    virtual void ShowTask(const Task& task) = 0;
};
