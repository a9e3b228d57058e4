#pragma once

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>
#include <tuple>

class TRandom;

namespace flaechen {

// Ten pixels make one length unit of the task.
constexpr int PixelsPerUnit = 10;

struct Task {
    QRect blue; // the large rectangle
    QRect red;  // the small one inside it
};

// The numbers a window keeps of a task, in this order.
inline auto Numbers(Task& t)
{
    return std::tie(t.blue, t.red);
}

// Six draws, in this order: blue width, blue height, red left offset, red top
// offset, red width, red height. The blue rectangle keeps its top-left corner.
Task MakeTask(TRandom& random, QPoint blueTopLeft);

// Caption and top-left corner of a length label.
struct LengthLabel {
    QString caption;
    QPoint pos;
};

// Label1 .. Label4: blue height, blue width, red height, red width. Placed as if
// every character were 8 pixels wide, so the layout does not depend on the font.
std::array<LengthLabel, 4> LengthLabels(const Task& task);

// For screen readers: "50 breit und 25 hoch", in length units.
QString SizeText(const QRect& rectangle);
// Red area in per cent of the blue area, an exact half to even.
int32_t ExpectedPercent(const Task& task);
// The picked item's index is its value; -1 (nothing picked) is never right.
bool IsRight(const Task& task, int pickedIndex);
QString CorrectionText(int32_t expected);

} // namespace flaechen
