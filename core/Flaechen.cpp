#include "core/Flaechen.h"

#include "core/Numbers.h"
#include "core/Random.h"

#include <algorithm>

namespace flaechen {

Task MakeTask(TRandom& random, QPoint blueTopLeft)
{
    const int w1 = 400 + 20 * random.range(0, 9);
    const int h1 = 200 + 10 * random.range(0, 9);
    const int dx = 10 * random.range(0, w1 / 20 - 1);
    const int dy = 10 * random.range(0, h1 / 20 - 1);
    const int w2 = 20 + 20 * random.range(0, 9);
    const int h2 = 20 + 10 * random.range(0, 9);
    return {QRect(blueTopLeft, QSize(w1, h1)), QRect(blueTopLeft + QPoint(dx, dy), QSize(w2, h2))};
}

std::array<LengthLabel, 4> LengthLabels(const Task& task)
{
    const QRect& b = task.blue;
    const QRect& r = task.red;
    auto caption = [](int pixels) {
        return QString::number(pixels / PixelsPerUnit);
    };
    auto chars = [](const QString& s) {
        return 8 * static_cast<int>(s.size());
    };
    std::array<LengthLabel, 4> labels;
    labels[0].caption = caption(b.height());
    labels[1].caption = caption(b.width());
    labels[2].caption = caption(r.height());
    labels[3].caption = caption(r.width());
    // Left of the blue rectangle at half its height; centred above it.
    labels[0].pos = QPoint(b.left() - chars(labels[0].caption), b.top() - 10 + b.height() / 2);
    labels[1].pos = QPoint(b.left() + (b.width() - chars(labels[1].caption)) / 2, b.top() - 14);
    // Inside the red rectangle: at its left edge, and along its top edge.
    labels[2].pos = QPoint(r.left() + 2, r.top() - 10 + r.height() / 2);
    labels[3].pos = QPoint(r.left() + (r.width() - chars(labels[3].caption)) / 2, r.top());
    return labels;
}

QString SizeText(const QRect& rectangle)
{
    return QStringLiteral("%1 breit und %2 hoch")
        .arg(rectangle.width() / PixelsPerUnit)
        .arg(rectangle.height() / PixelsPerUnit);
}

int32_t ExpectedPercent(const Task& task)
{
    const int64_t part = static_cast<int64_t>(task.red.width()) * task.red.height() * 100;
    const int64_t whole = static_cast<int64_t>(task.blue.width()) * task.blue.height();
    if (whole <= 0)
        return 0;
    return static_cast<int32_t>(DivideEven(part, whole));
}

bool IsRight(const Task& task, int pickedIndex)
{
    return pickedIndex >= 0 && pickedIndex == ExpectedPercent(task);
}

QString CorrectionText(int32_t expected)
{
    return QStringLiteral("Der Prozentsatz ist %1% !").arg(expected);
}

} // namespace flaechen
