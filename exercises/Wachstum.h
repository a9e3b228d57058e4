#pragma once

#include "core/Wachstum.h"
#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QComboBox;
class QTimer;
class TDiagram;

class TfmWachstum : public TfmExercise<wachstum::Steps, 1> {
    Q_OBJECT
public:
    explicit TfmWachstum(QWidget* parent = nullptr);

    // Draws the task and grows the plants by it, step by step.
    void NewTask() override;
    void CheckAnswer() override;
    void Timer1Timer();

    TDiagram* Diagram1;
    TImage* Image1;
    TImage* Image2;
    TPaintBox* Bevel1;
    TImage* Image3;
    TImage* Image4;
    TImage* Image5;
    TImage* Image6;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
    QTimer* Timer1;

    int32_t AnimStep = 0;

protected:
    wachstum::Steps DrawTask() override;
    void ShowTask(const wachstum::Steps& task) override;

private:
    // Names of the pictures and lists, and the task as the plants show it.
    void describeForScreenReaders();
};

extern TfmWachstum* fmWachstum;
