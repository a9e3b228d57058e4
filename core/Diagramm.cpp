#include "core/Diagramm.h"

#include "core/Numbers.h"
#include "core/Random.h"

#include <QStringList>

#include <algorithm>

namespace diagramm {

Task MakeTask(TRandom& random)
{
    Task t;
    t.shares[0] = 1 + random.range(0, 15);
    t.shares[1] = 1 + random.range(0, 19 - t.shares[0]);
    t.shares[2] = 20 - t.shares[0] - t.shares[1];
    t.inheritance = 10000 + 1000 * random.range(0, 19);
    return t;
}

QString TaskText(int32_t inheritance)
{
    return QStringLiteral("Jan, Tina und Jörg erben insgesamt %1 DM\r\nnach folgender Aufteilung:")
        .arg(inheritance);
}

int32_t Amount(const Task& task, int child)
{
    const Extended share = static_cast<Extended>(task.shares[child]) / 20;
    return static_cast<int32_t>(RoundEven(share * task.inheritance));
}

QString CorrectionText(const Task& task)
{
    return QStringLiteral("Jan bekommt %1 DM, Tina %2 DM und Jörg %3 DM.")
        .arg(Amount(task, 0))
        .arg(Amount(task, 1))
        .arg(Amount(task, 2));
}

int32_t Percent(int32_t share)
{
    return 5 * share;
}

QString SharesText(const Task& task)
{
    QStringList parts;
    for (size_t i = 0; i < task.shares.size(); ++i)
        parts << QStringLiteral("%1 %2 %").arg(ChildNames[i]).arg(Percent(task.shares[i]));
    return parts.join(QStringLiteral(", "));
}

int32_t BarHeight(int32_t share)
{
    return 15 * share;
}

} // namespace diagramm
