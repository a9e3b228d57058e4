#pragma once

#include "core/Geldanlage.h"
#include "framework/Vorlage.h"

#include <QString>

#include <cstdint>

class QLineEdit;

class TfmGeldanlage : public TfmExercise<geldanlage::Task> {
    Q_OBJECT
public:
    explicit TfmGeldanlage(QWidget* parent = nullptr);

    void CheckAnswer() override;

    TImage* Image1;
    TStaticText* StaticText1;
    QLabel* Label1;
    QLineEdit* Edit1;
    TUpDown* UpDown1;
    QLabel* Label2;
    QLineEdit* Edit2;
    TUpDown* UpDown2;

protected:
    geldanlage::Task DrawTask() override;
    void ShowTask(const geldanlage::Task& task) override;
};

extern TfmGeldanlage* fmGeldanlage;
