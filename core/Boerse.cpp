#include "core/Boerse.h"

#include "core/Numbers.h"
#include "core/Random.h"

#include <QStringList>

#include <algorithm>

namespace boerse {

Task MakeTask(TRandom& random)
{
    Task t{};
    for (int32_t& i : t.index)
        i = random.range(0, 20);
    t.start[0] = 150 + random.range(0, 49);
    t.start[1] = 100 + random.range(0, 49);
    t.start[2] = 50 + random.range(0, 49);
    return t;
}

int32_t Difference(int32_t start, int32_t change)
{
    // In whole numbers, so that a half such as 150 * 55 / 100 = 82.5 is an
    // exact half whatever binary form 0.55 has.
    return static_cast<int32_t>(DivideEven(static_cast<int64_t>(start) * change, 100));
}

int32_t EndValue(int32_t start, int32_t change)
{
    return start + Difference(start, change);
}

QString ItemText(int index)
{
    return QString::number(Changes[static_cast<size_t>(index)]);
}

bool IsRight(const Task& task, const std::array<int, 3>& selected)
{
    for (size_t i = 0; i < 3; ++i)
        if (selected[i] != task.index[i])
            return false;
    return true;
}

QString CorrectionText(const Task& task)
{
    QString text;
    for (int32_t i : task.index)
        text += ItemText(i) + QStringLiteral("% ");
    return text;
}

QString PricesText(const Task& task, const std::array<QString, 3>& names)
{
    static const char* const colours[] = {"rot", "blau", "dunkelrot"};
    QStringList parts;
    for (int j = 0; j < 3; ++j) {
        const int32_t start = task.start[static_cast<size_t>(j)];
        parts << QStringLiteral("%1 (%2): Startwert %3, Endwert %4")
                     .arg(names[static_cast<size_t>(j)], QLatin1String(colours[j]))
                     .arg(start)
                     .arg(EndValue(start, task.change(j)));
    }
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

std::vector<QPoint> PriceLine(int width, int startY, int endY, TRandom& random)
{
    std::vector<QPoint> points{QPoint(20, startY)};
    int y = startY;
    for (int k = 2; k <= width / 20 - 3; ++k) {
        y += random.range(-32, 32);
        points.emplace_back(20 * k, y);
    }
    points.emplace_back(width - 20, endY);
    return points;
}

} // namespace boerse
