#pragma once

#include "core/Color.h"
#include "core/Numbers.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <tuple>

class TRandom;

namespace pauken {

// The three forms of percentage calculation.
enum Kind : int32_t {
    PercentageValue = 0, // from rate and base value
    BaseValue = 1,       // from rate and percentage value
    PercentFigure = 2,   // from percentage value and base value
};

struct Task {
    int32_t kind;
    int32_t first;    // first number of the task text
    int32_t second;   // second number of the task text
    int32_t expected; // the answer
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.kind, t.first, t.second, t.expected);
}

// Three draws: blue, green, red.
TColor MakeBackground(TRandom& random);
// The kind, then its numbers, each one draw, in the order of the task text
// (for a base-value task: rate, then base value).
Task MakeTask(TRandom& random);

Task PercentageValueTask(int32_t rate, int32_t base);
Task BaseValueTask(int32_t rate, int32_t base);
// (value / base) * 100 in extended precision, an exact half to even.
Task PercentFigureTask(int32_t value, int32_t base);

QString TaskText(const Task& task);
// The entry as a decimal number with a comma, or nothing when it is not a number.
std::optional<Extended> ReadAnswer(const QString& entry);
bool IsRight(const Task& task, Extended answer);
QString CorrectionText(int32_t expected);
QString NotANumberText();

} // namespace pauken
