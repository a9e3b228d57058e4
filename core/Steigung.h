#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <tuple>

class TRandom;

namespace steigung {

// Slopes of sections A (200 m), B (100 m) and C (300 m) in whole per cent, 0 .. 30.
struct Task {
    int32_t a;
    int32_t b;
    int32_t c;
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.a, t.b, t.c);
}

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

} // namespace steigung
