#pragma once

#include "framework/Vorlage.h"

#include <QString>

#include <array>
#include <cstdint>

class QComboBox;
class QTimer;
class TDiagram;
class TRandom;

namespace wachstum {

// Growth steps of the three pairs, each 0 .. 5 (25 % each).
using Steps = std::array<int32_t, 3>;

constexpr int32_t AnimSteps = 30;

// Three draws, pair 1 to 3.
Steps MakeTask(TRandom& random);
// Height of a growing picture after animStep of the 30 steps towards
// (1 + step / 4) times the reference height, halves to even.
int32_t GrownHeight(int32_t referenceHeight, int32_t animStep, int32_t step);
inline constexpr std::array<const char*, 3> PlantNames{"Baum", "Blume", "Kaktus"};
// For screen readers: each pair's height before and after growing, in pixels.
QString HeightsText(const std::array<int32_t, 3>& referenceHeights, const Steps& steps);
// The choice list's item text for a step: "0" .. "125".
QString ItemText(int32_t step);
QString CorrectionText(const Steps& steps);

} // namespace wachstum

class TfmWachstum : public TfmVorlage {
    Q_OBJECT
public:
    explicit TfmWachstum(QWidget* parent = nullptr);

    void FormCreate() override;
    void NewTask() override;
    void CheckAnswer() override;
    void Timer1Timer();

    wachstum::Steps steps() const;
    // Keeps the task; the next animation grows the plants by it.
    void setSteps(const wachstum::Steps& steps);

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
};

extern TfmWachstum* fmWachstum;
