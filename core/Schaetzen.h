#pragma once

#include "core/Color.h"

#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>

class TRandom;

namespace schaetzen {

// The shares in per cent that the circles show; the lists offer them in this order.
constexpr std::array<int32_t, 12> Shares{0, 10, 20, 25, 33, 40, 50, 67, 75, 80, 90, 100};
constexpr int32_t ShareCount = static_cast<int32_t>(Shares.size());

// Index into Shares for the left, middle and right circle.
using Task = std::array<int32_t, 3>;

// The circles' picture: three squares in a row.
constexpr int CircleCount = 3;
constexpr int CircleSize = 150;
constexpr int CircleTop = 100;
// Left edge of circle i's bounding square.
constexpr int CircleLeft(int i)
{
    return 50 + 250 * i;
}
// Colour of circle i's sector: orange, then towards blue.
constexpr TColor CircleColor(int i)
{
    return static_cast<TColor>(255 - 80 * i) | 127u << 8 | static_cast<TColor>(80 * i) << 16;
}

// The end of the sector's second radius, far outside the circle around (cx, cy):
// share per cent of a full turn counter-clockwise from twelve o'clock.
QPoint SectorEnd(int cx, int cy, int32_t share);

// Three draws, left circle first; shares may repeat.
Task MakeTask(TRandom& random);
// Picked list positions against the task; no pick (-1) is never right.
bool IsRight(const Task& task, const std::array<int, 3>& picked);
// What a screen reader tells of the circles: each sector's colour and angle,
// "Kreis 1, orange: 144 von 360 Grad. Kreis 2, ...".
QString SectorsText(const Task& task);
// "25% 67% 10% ": the three right shares, each followed by a percent sign and a blank.
QString CorrectionText(const Task& task);

} // namespace schaetzen
