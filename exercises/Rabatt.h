#pragma once

#include "core/Rabatt.h"
#include "framework/Vorlage.h"

#include <QString>

#include <cstdint>

class QLineEdit;

class TfmRabatt : public TfmExercise<rabatt::Task> {
    Q_OBJECT
public:
    explicit TfmRabatt(QWidget* parent = nullptr);

    void CheckAnswer() override;

    TImage* Image1;
    TStaticText* StaticText1;
    QLabel* Label1;
    QLineEdit* Edit1;
    TUpDown* UpDown1;

protected:
    rabatt::Task DrawTask() override;
    void ShowTask(const rabatt::Task& task) override;
};

extern TfmRabatt* fmRabatt;
