#pragma once

#include "core/Verdict.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <tuple>

class TRandom;

namespace zins {

// One saving within a year of 360 days (every month has 30 days).
struct Record {
    int32_t capital;  // whole DM, 1000 .. 100500 in steps of 500
    int32_t rate;     // tenths of a per cent, 20 .. 69
    int32_t deposit;  // day number 0 .. 179
    int32_t payout;   // day number 180 .. 359
    int32_t interest; // Pfennig
};

// The numbers a window keeps of a record, in this order.
inline auto Numbers(Record& t)
{
    return std::tie(t.capital, t.rate, t.deposit, t.payout, t.interest);
}

// Shown in grid rows 1 to 4.
using Task = std::array<Record, 4>;

// The items of the variant list, in their order.
enum class Variant { Interest, Rate, Capital, PayoutDay };
constexpr int VariantCount = 4;

using Outcome = TOutcome;
using Verdict = TVerdict;

// What a variant asks for: the grid cell (column, row), what the answer field
// shows at the start of a task, and how the answer is judged (the entry
// field's text, or the joined date).
struct Mode {
    QPoint asked;
    const char* initialAnswer;
    Verdict (*check)(const Task& task, const QString& answer);
};
const Mode& ModeOf(Variant variant);

// Four draws, in this order: capital, rate, deposit day, payout day.
Record MakeRecord(TRandom& random);
Task MakeTask(TRandom& random);

int32_t InterestDays(const Record& record);
// (rate / 1000 * capital) * (days * 100 / 360) in extended precision, each step
// rounded as it is formed, then to the nearest Pfennig with an exact half to even.
int32_t Interest(int32_t capital, int32_t rate, int32_t days);

// Day number n is day n mod 30 + 1 of month n div 30 + 1: 0 -> "1.1", 359 -> "30.12".
QString DateText(int32_t day);
QString RateText(int32_t rate);        // 25 -> "2,5"
QString InterestText(int32_t pfennig); // 1850 -> "18,5"
QStringList HeaderTexts();
QStringList RowTexts(const Record& record);

// The grid cell (column, row) that the variant asks for.
QPoint AskedCell(Variant variant);
// For screen readers: what the variant asks for and the rest of its row.
QString AskedRowText(const Task& task, Variant variant);
// What the answer field shows at the start of a task.
QString InitialAnswer(Variant variant);

// True when text is a valid decimal number (decimal comma) whose value is
// exactly units / 10^scale; compared digit by digit, not in binary floating point.
bool DecimalEquals(const QString& text, int32_t units, int scale);

// The text a pair of day and month lists gives: "15." and "9." give "15.9".
QString JoinedDate(const QString& day, const QString& month);

// Evaluates the answer of a variant: the entry field's text, or the joined date.
Verdict Check(Variant variant, const Task& task, const QString& answer);

} // namespace zins
