#pragma once

#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QLineEdit;
class TDiagram;
class TRandom;

namespace diagramm {

struct Task {
    std::array<int32_t, 3> shares; // twentieths for Jan, Tina, Jörg; they add up to 20
    int32_t inheritance;           // DM, 10000 .. 29000 in steps of 1000
};

// Three draws, in this order: Jan's share, Tina's share, the inheritance.
Task MakeTask(TRandom& random);
QString TaskText(int32_t inheritance);
// The child's part of the inheritance in whole DM.
int32_t Amount(const Task& task, int child);
QString CorrectionText(const Task& task);
inline constexpr std::array<const char*, 3> ChildNames{"Jan", "Tina", "Jörg"};
// A share in per cent: five per twentieth.
int32_t Percent(int32_t share);
// For screen readers: "Jan 25 %, Tina 40 %, Jörg 35 %".
QString SharesText(const Task& task);
// Bar height in pixels: 15 per twentieth, the diagram's 3 pixels per per cent.
int32_t BarHeight(int32_t share);

} // namespace diagramm

class TfmDiagramm : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmDiagramm(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;

    diagramm::Task task() const;
    // Keeps the task and shows its bars and text.
    void setTask(const diagramm::Task& task);

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
};

extern TfmDiagramm* fmDiagramm;
