#pragma once

#include "core/Chart.h"

#include <QString>

#include <array>
#include <cstdint>

class TRandom;

namespace wachstum {

// The grid behind the plants: no axes, a line every half unit.
inline constexpr ChartSetup Chart{0x808000, -4,  5,   -4,  20,       1,    1,
                                  0.5,      0.5, 100, 100, 0x400040, false};

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
