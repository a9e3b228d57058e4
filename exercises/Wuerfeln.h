#pragma once

#include "framework/Vorlage.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

class QLineEdit;
class TCanvas;
class TImageList;
class TRandom;

namespace wuerfeln {

constexpr int Throws = 120;
constexpr int Columns = 15;
constexpr int Rows = 8;
constexpr int Faces = 6;
constexpr int DieSize = 40;
constexpr int Pitch = 50;
constexpr int Margin = 5;

struct Task {
    int32_t sixes = 0;                   // how many throws are a six
    std::array<int32_t, Throws> faces{}; // throw k (from 0): pips minus one, 0 .. 5
};

// One draw per throw, in throw order.
Task MakeTask(TRandom& random);
// sixes * 100 / 120, an exact half to even (3 sixes give 2, 9 give 8).
int32_t ExpectedShare(int32_t sixes);
bool IsRight(int32_t sixes, int32_t answer);
QString CorrectionText(int32_t sixes);

// Top-left corner of the die of throw k (k from 1): rows of 15 in throw order.
QPoint CellOrigin(int k);
// For screen readers, the pips in groups of ten: "Würfe 1 bis 10: 3, 6, ...".
QStringList ThrowGroups(const std::array<int32_t, Throws>& throws);
// Draws each throw's face from the list into its cell; throws[k - 1] is throw k.
void DrawDice(TCanvas& canvas, const TImageList& faces, const std::array<int32_t, Throws>& throws);

} // namespace wuerfeln

class TfmWuerfeln : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmWuerfeln(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;
    void PaintBox1Paint(TCanvas& canvas);

    wuerfeln::Task task() const;
    // Keeps the task and redraws the dice.
    void setTask(const wuerfeln::Task& task);

    TPaintBox* PaintBox1;
    QLineEdit* Edit1;
    TUpDown* UpDown1;
    TImageList* ImageList1;
};

extern TfmWuerfeln* fmWuerfeln;
