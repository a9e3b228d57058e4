#include "core/Schaetzen.h"

#include "core/Numbers.h"
#include "core/Random.h"

#include <QStringList>

#include <cmath>

namespace schaetzen {

// The end of the sector's second radius, far outside the circle around (cx, cy):
// share per cent of a full turn counter-clockwise from twelve o'clock.
QPoint SectorEnd(int cx, int cy, int32_t share)
{
    constexpr Extended pi = 3.14159265358979323846264338327950288L;
    const Extended a = share * pi / 50;
    return QPoint(cx + static_cast<int>(RoundEven(400 * std::sin(-a))),
                  cy - static_cast<int>(RoundEven(400 * std::cos(a))));
}

Task MakeTask(TRandom& random)
{
    Task t{};
    for (int32_t& index : t)
        index = random.range(0, ShareCount - 1);
    return t;
}

bool IsRight(const Task& task, const std::array<int, 3>& picked)
{
    for (size_t i = 0; i < task.size(); ++i) {
        if (picked[i] != task[i])
            return false;
    }
    return true;
}

QString SectorsText(const Task& task)
{
    static const char* const colours[CircleCount] = {"orange", "hellbraun", "graublau"};
    QStringList circles;
    for (int i = 0; i < CircleCount; ++i) {
        const int32_t share = Shares[static_cast<size_t>(task[static_cast<size_t>(i)])];
        // The drawn angle in whole degrees: share per cent of 360, 0.5 to even.
        const int32_t degrees = static_cast<int32_t>(RoundEven(share * Extended(36) / 10));
        circles << QStringLiteral("Kreis %1, %2: %3 von 360 Grad")
                       .arg(i + 1)
                       .arg(QLatin1String(colours[i]))
                       .arg(degrees);
    }
    return circles.join(QStringLiteral(". ")) + QLatin1Char('.');
}

QString CorrectionText(const Task& task)
{
    QString text;
    for (int32_t index : task)
        text += QStringLiteral("%1% ").arg(Shares[static_cast<size_t>(index)]);
    return text;
}

} // namespace schaetzen
