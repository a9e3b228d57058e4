#pragma once

#include "core/Diagramm.h"
#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QLineEdit;
class TDiagram;

class TfmDiagramm : public TfmExercise<diagramm::Task> {
    Q_OBJECT
public:
    explicit TfmDiagramm(QWidget* parent = nullptr);

    void CheckAnswer() override;

    TDiagram* Diagram1;
    QLabel* Label1;
    TShape* Shape1;
    TShape* Shape2;
    TShape* Shape3;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    TPaintBox* Bevel1;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLineEdit* Edit1;
    TUpDown* UpDown1;
    TUpDown* UpDown2;
    QLineEdit* Edit2;
    TUpDown* UpDown3;
    QLineEdit* Edit3;

    // The line all bars stand on.
    int32_t BaseLine = 0;

protected:
    diagramm::Task DrawTask() override;
    void ShowTask(const diagramm::Task& task) override;

private:
    // The three amounts with their up-down buttons, in tab order.
    void buildAnswers();
};

extern TfmDiagramm* fmDiagramm;
