#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <tuple>

class TRandom;

namespace wuerfeln {

constexpr int Throws = 120;
constexpr int Columns = 15;
constexpr int Rows = 8;
constexpr int Faces = 6;
constexpr int DieSize = 40;
constexpr int Pitch = 50;
constexpr int Margin = 5;

struct Task {
    int32_t sixes = 0;                   // how many throws are a six
    std::array<int32_t, Throws> faces{}; // throw k (from 0): pips minus one, 0 .. 5
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.sixes, t.faces);
}

// One draw per throw, in throw order.
Task MakeTask(TRandom& random);
// sixes * 100 / 120, an exact half to even (3 sixes give 2, 9 give 8).
int32_t ExpectedShare(int32_t sixes);
bool IsRight(int32_t sixes, int32_t answer);
QString CorrectionText(int32_t sixes);

// Top-left corner of the die of throw k (k from 1): rows of 15 in throw order.
QPoint CellOrigin(int k);
// For screen readers, the pips in groups of ten: "Würfe 1 bis 10: 3, 6, ...".
QStringList ThrowGroups(const std::array<int32_t, Throws>& throws);

} // namespace wuerfeln
