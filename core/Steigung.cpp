#include "core/Steigung.h"

#include "core/Random.h"

#include <algorithm>

namespace steigung {

Task MakeTask(TRandom& random)
{
    Task t;
    t.a = random.range(0, 30);
    t.b = random.range(0, 30);
    t.c = random.range(0, 30);
    return t;
}

Heights HeightsOf(const Task& task)
{
    // A runs 200 m, B 100 m, C 300 m: each slope is a whole percentage of its rise.
    const int32_t hA = 2 * task.a;
    const int32_t hB = hA + task.b;
    return {hA, hB, hB + 3 * task.c};
}

bool IsRight(const Task& task, const std::array<int, 3>& picks)
{
    return picks[0] == task.a && picks[1] == task.b && picks[2] == task.c;
}

QString CorrectionText(const Task& task)
{
    return QStringLiteral("%1% %2% %3%").arg(task.a).arg(task.b).arg(task.c);
}

QString ProfileText(const Task& task)
{
    const Heights h = HeightsOf(task);
    return QStringLiteral("A: 200 m lang, von 0 m auf %1 m Höhe. B: 100 m lang, von %1 m auf "
                          "%2 m Höhe. C: 300 m lang, von %2 m auf %3 m Höhe.")
        .arg(h.hA)
        .arg(h.hB)
        .arg(h.hC);
}

} // namespace steigung
