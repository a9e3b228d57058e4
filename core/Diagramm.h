#pragma once

#include "core/Chart.h"

#include <QString>

#include <array>
#include <cstdint>
#include <tuple>

class TRandom;

namespace diagramm {

// The chart behind the bars: shares in per cent from 0 to 100, a grid line every 10 %.
inline constexpr ChartSetup Chart{clr::White, -0.2, 3.0,  -10.0, 100.0,       10.0, 20.0,
                                  0.25,       10.0, 10.0, 10.0,  clr::Silver, true};

struct Task {
    std::array<int32_t, 3> shares; // twentieths for Jan, Tina, Jörg; they add up to 20
    int32_t inheritance;           // DM, 10000 .. 29000 in steps of 1000
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.shares, t.inheritance);
}

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
