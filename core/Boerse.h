#pragma once

#include "core/Color.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <tuple>
#include <vector>

class TRandom;

namespace boerse {

// The possible price changes in per cent; a list item's index is its table index.
inline constexpr std::array<int32_t, 21> Changes{-88, -45, -25, -12, -8, -5, -4, -3, -2, -1, 0,
                                                 1,   2,   3,   4,   6,  12, 25, 40, 50, 55};
// Red, blue and maroon (0x00BBGGRR).
inline constexpr std::array<TColor, 3> ShareColours{0x0000FF, 0xFF0000, 0x000080};

struct Task {
    std::array<int32_t, 3> index; // into Changes
    std::array<int32_t, 3> start; // start values
    int32_t change(int share) const { return Changes[static_cast<size_t>(index[share])]; }
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.index, t.start);
}

// Draws the three indices, then the start values of shares 1, 2, 3.
Task MakeTask(TRandom& random);
// change / 100 * start to the nearest whole number, an exact half to even.
int32_t Difference(int32_t start, int32_t change);
int32_t EndValue(int32_t start, int32_t change);
QString ItemText(int index);
bool IsRight(const Task& task, const std::array<int, 3>& selected);
// "12% -5% 40% ": the right changes, each followed by "% ".
QString CorrectionText(const Task& task);
// For screen readers: each share's name, colour, start and end value.
QString PricesText(const Task& task, const std::array<QString, 3>& names);
// The price line on a surface width wide: from (20, startY) through a random
// step of -32..32 px every 20 px to (width - 20, endY).
std::vector<QPoint> PriceLine(int width, int startY, int endY, TRandom& random);

} // namespace boerse
