#pragma once

#include "platform/Application.h"
#include "platform/Widgets.h"

#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>

// The exercise template: a window with the bottom panel (task text, "Tip  F1",
// "Neu  F2", "Bewerten  F9"), the hint cycle and the task cycle. Exercises
// override NewTask and CheckAnswer; keys F1, F2 and F9 are previewed.
class TfmVorlage : public QWidget, public TKeyPreviewForm {
    Q_OBJECT
public:
    explicit TfmVorlage(QWidget* parent = nullptr);

    // Runs once after construction, with the window's program-wide reference set.
    virtual void FormCreate();

    // Makes and shows a new task; every exercise overrides it.
    virtual void NewTask();
    // Shows the next hint.
    virtual void ShowTip();
    // Evaluates the answer; this base version only closes the task.
    virtual void CheckAnswer();

    void SetTips(const QStringList& tips);

    // Gives the keyboard focus to the first control of the tab order that takes
    // it; an edit field gets its text selected, so typing replaces it.
    void FocusFirstControl();

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

private:
    TAlignLayout* m_layout;
};

extern TfmVorlage* fmVorlage;
