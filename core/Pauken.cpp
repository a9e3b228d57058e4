#include "core/Pauken.h"

#include "core/Random.h"

namespace pauken {

namespace {

int32_t PercentOf(int32_t rate, int32_t base)
{
    return static_cast<int32_t>(RoundEven(static_cast<Extended>(rate) * base / 100));
}

} // namespace

TColor MakeBackground(TRandom& random)
{
    const auto blue = static_cast<TColor>(random.range(0, 255));
    const auto green = static_cast<TColor>(random.range(0, 255));
    const auto red = static_cast<TColor>(random.range(0, 255));
    return blue << 16 | green << 8 | red;
}

Task MakeTask(TRandom& random)
{
    switch (random.range(0, 2)) {
    case PercentageValue: {
        const int32_t rate = random.range(1, 150);
        return PercentageValueTask(rate, 1000 * random.range(1, 12));
    }
    case BaseValue: {
        const int32_t rate = random.range(1, 150);
        return BaseValueTask(rate, 100 * random.range(1, 200));
    }
    default: {
        const int32_t value = 100 * random.range(1, 200);
        return PercentFigureTask(value, 150 * random.range(1, 200));
    }
    }
}

Task PercentageValueTask(int32_t rate, int32_t base)
{
    return {PercentageValue, rate, base, PercentOf(rate, base)};
}

Task BaseValueTask(int32_t rate, int32_t base)
{
    return {BaseValue, rate, PercentOf(rate, base), base};
}

Task PercentFigureTask(int32_t value, int32_t base)
{
    // Extended, not exact: 14100 / 12000 lies just below 1.175 there and gives 117.
    const Extended quotient = static_cast<Extended>(value) / base;
    return {PercentFigure, value, base, static_cast<int32_t>(RoundEven(quotient * 100))};
}

QString TaskText(const Task& task)
{
    QString text;
    switch (task.kind) {
    case BaseValue:
        text = QStringLiteral("%1 % entsprechen %2. Wie groß ist der Grundwert?");
        break;
    case PercentFigure:
        text =
            QStringLiteral("Prozentwert: %1, Grundwert: %2. Berechne die Prozentzahl (gerundet)!");
        break;
    default:
        text = QStringLiteral("Wieviel sind %1 % von %2 ?");
        break;
    }
    return text.arg(task.first).arg(task.second);
}

std::optional<Extended> ReadAnswer(const QString& entry)
{
    return TryStrToFloat(entry);
}

bool IsRight(const Task& task, Extended answer)
{
    // Exact: 480,0 counts as 480, 480,5 does not.
    return answer == static_cast<Extended>(task.expected);
}

QString CorrectionText(int32_t expected)
{
    return QStringLiteral("Der Wert wäre %1 gewesen!").arg(expected);
}

QString NotANumberText()
{
    return QStringLiteral("Du musst schon eine Zahl eingeben!");
}

} // namespace pauken
