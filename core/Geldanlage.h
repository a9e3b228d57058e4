#pragma once

#include <QString>

#include <cstdint>
#include <tuple>

class TRandom;

namespace geldanlage {

struct Task {
    int32_t capital; // whole euros, 500 .. 20000 in steps of 500
    int32_t rate;    // per cent per year, 2 .. 6
    int32_t term;    // years, 2 .. 11
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.capital, t.rate, t.term);
}

// Three draws, in this order: capital, rate, term.
Task MakeTask(TRandom& random);
// Lines end with CR LF; the third line keeps its trailing blank.
QString TaskText(const Task& task);

// Interest drawn every year, in cents.
int64_t SimpleInterestCents(const Task& task);
// Interest left with the capital, in cents: the amount is credited to the cent
// every year, in extended precision with halves to even.
int64_t CompoundInterestCents(const Task& task);

// Cents as euros in the general number format (250, 20,2, 276,27).
QString AmountText(int64_t cents);

struct Expected {
    QString simple;
    QString compound;
};
Expected ExpectedTexts(const Task& task);

// Both entries must equal their expected texts exactly; nothing is trimmed or converted.
bool IsRight(const Expected& expected, const QString& entry1, const QString& entry2);
QString CorrectionText(const Expected& expected);

} // namespace geldanlage
