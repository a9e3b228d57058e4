#pragma once

#include <QString>

#include <cstdint>
#include <tuple>

class TRandom;

namespace rabatt {

struct Task {
    int32_t price;     // list price in whole euros, 800 .. 2700 in steps of 100
    int32_t discount1; // per cent, 5 .. 30 in steps of 5
    int32_t discount2; // per cent on the price after the first discount
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.price, t.discount1, t.discount2);
}

// Three draws, in this order: price, first discount, second discount.
Task MakeTask(TRandom& random);
QString TaskText(const Task& task);
// P * (100 - d1) * (100 - d2) / 10000 in exact integers, an exact half to even.
int32_t ExpectedPrice(const Task& task);
bool IsRight(const Task& task, int32_t answer);
QString CorrectionText(int32_t expected);

} // namespace rabatt
