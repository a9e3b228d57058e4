#include "core/Wachstum.h"

#include "core/Numbers.h"
#include "core/Random.h"

#include <QStringList>

namespace wachstum {

Steps MakeTask(TRandom& random)
{
    Steps s;
    for (int32_t& g : s)
        g = random.range(0, 5);
    return s;
}

int32_t GrownHeight(int32_t referenceHeight, int32_t animStep, int32_t step)
{
    const Extended factor = static_cast<Extended>(animStep) / AnimSteps * step / 4 + 1;
    return static_cast<int32_t>(RoundEven(factor * referenceHeight));
}

QString ItemText(int32_t step)
{
    return QString::number(25 * step);
}

QString CorrectionText(const Steps& steps)
{
    QString text = QStringLiteral("Richtig wäre : ");
    for (int32_t g : steps)
        text += ItemText(g) + QStringLiteral("% ");
    return text;
}

QString HeightsText(const std::array<int32_t, 3>& referenceHeights, const Steps& steps)
{
    QStringList parts;
    for (size_t i = 0; i < 3; ++i) {
        const int32_t before = referenceHeights[i];
        parts << QStringLiteral("%1: vorher %2, nachher %3 Bildpunkte hoch")
                     .arg(QLatin1String(PlantNames[i]))
                     .arg(before)
                     .arg(GrownHeight(before, AnimSteps, steps[i]));
    }
    return parts.join(QStringLiteral(". ")) + QLatin1Char('.');
}

} // namespace wachstum
