#pragma once

#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QComboBox;
class TCanvas;
class TRandom;

namespace steigung {

// Slopes of sections A (200 m), B (100 m) and C (300 m) in whole per cent, 0 .. 30.
struct Task {
    int32_t a;
    int32_t b;
    int32_t c;
};

// Heights in metres reached at the ends of sections A, B and C.
struct Heights {
    int32_t hA;
    int32_t hB;
    int32_t hC;
};

// Three draws in [0, 30], in this order: A, B, C.
Task MakeTask(TRandom& random);
Heights HeightsOf(const Task& task);
// Picks are the selected list indices, -1 for a list without a selection.
bool IsRight(const Task& task, const std::array<int, 3>& picks);
// The three correct slopes, "12% 5% 30%".
QString CorrectionText(const Task& task);

// For screen readers: each section's length and the heights at its ends.
QString ProfileText(const Task& task);
// The profile with its section marks and height lines; one pixel is one metre,
// ground level at y = 350. Uses the canvas's pen and font as they are.
void DrawProfile(TCanvas& canvas, const Task& task);

} // namespace steigung

class TfmSteigung : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmSteigung(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;

    void PaintBox2Paint(TCanvas& canvas);

    steigung::Task task() const;
    // Keeps the task and redraws the slopes.
    void setTask(const steigung::Task& task);

    TImage* Image1;
    TPaintBox* PaintBox2;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QComboBox* ComboBox3;
};

extern TfmSteigung* fmSteigung;
