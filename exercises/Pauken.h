#pragma once

#include "core/Numbers.h"
#include "core/Pauken.h"
#include "framework/Vorlage.h"
#include "platform/Canvas.h"

#include <QString>

#include <cstdint>
#include <optional>

class QLineEdit;
class QPlainTextEdit;

class TfmPauken : public TfmExercise<pauken::Task> {
    Q_OBJECT
public:
    explicit TfmPauken(QWidget* parent = nullptr);

    void CheckAnswer() override;
    void Memo1Enter();

    TColor background() const;

    TImage* Image1;
    TShape* Shape1;
    QPlainTextEdit* Memo1;
    QLabel* Label1;
    QLineEdit* Edit1;

protected:
    pauken::Task DrawTask() override;
    void ShowTask(const pauken::Task& task) override;
    void ResetAnswer() override;
    void ResetEntry() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setBackground(TColor color);
};

extern TfmPauken* fmPauken;
