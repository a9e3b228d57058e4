#include "core/Wuerfeln.h"

#include "core/Numbers.h"
#include "core/Random.h"

#include <QStringList>

namespace wuerfeln {

Task MakeTask(TRandom& random)
{
    Task t;
    for (int32_t& face : t.faces) {
        face = random.range(0, Faces - 1);
        if (face == Faces - 1)
            ++t.sixes;
    }
    return t;
}

int32_t ExpectedShare(int32_t sixes)
{
    // The halves (3, 9, 15, ... sixes) are exact in floating point.
    return static_cast<int32_t>(RoundEven(static_cast<Extended>(sixes) * 100 / Throws));
}

bool IsRight(int32_t sixes, int32_t answer)
{
    return answer == ExpectedShare(sixes);
}

QString CorrectionText(int32_t sixes)
{
    return QString::number(sixes) + QStringLiteral(" Sechser, das sind ") +
           QString::number(ExpectedShare(sixes)) + QStringLiteral("% !");
}

QPoint CellOrigin(int k)
{
    const int c = (k - 1) % Columns;
    const int r = (k - 1) / Columns;
    return QPoint(Margin + Pitch * c, Margin + Pitch * r);
}

QStringList ThrowGroups(const std::array<int32_t, Throws>& throws)
{
    QStringList groups;
    for (int first = 0; first < Throws; first += 10) {
        QStringList pips;
        for (int k = first; k < std::min(first + 10, Throws); ++k)
            pips << QString::number(throws[static_cast<size_t>(k)] + 1);
        groups << QStringLiteral("Würfe %1 bis %2: %3")
                      .arg(first + 1)
                      .arg(std::min(first + 10, Throws))
                      .arg(pips.join(QStringLiteral(", ")));
    }
    return groups;
}

} // namespace wuerfeln
