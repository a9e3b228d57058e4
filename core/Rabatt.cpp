#include "core/Rabatt.h"

#include "core/Numbers.h"
#include "core/Random.h"

namespace rabatt {

Task MakeTask(TRandom& random)
{
    Task t;
    t.price = 800 + 100 * random.range(0, 19);
    t.discount1 = 5 + 5 * random.range(0, 5);
    t.discount2 = 5 + 5 * random.range(0, 5);
    return t;
}

QString TaskText(const Task& task)
{
    return QStringLiteral("Ein Computerverkäufer verlangt für seinen PC %1 €.\n\r"
                          "Da die Preise schnell fallen, muss er nach einer Woche\n\r"
                          "%2 % Rabatt geben. Auf einigen Computern bleibt er\n\r"
                          "trotzdem sitzen und muss deshalb 2 Wochen später noch-\n\r"
                          "mals %3 % Rabatt auf den bestehenden Preis geben.")
        .arg(task.price)
        .arg(task.discount1)
        .arg(task.discount2);
}

int32_t ExpectedPrice(const Task& task)
{
    const int64_t q =
        static_cast<int64_t>(task.price) * (100 - task.discount1) * (100 - task.discount2);
    return static_cast<int32_t>(DivideEven(q, 10000));
}

bool IsRight(const Task& task, int32_t answer)
{
    const int64_t diff = static_cast<int64_t>(answer) - ExpectedPrice(task);
    return diff >= -1 && diff <= 1;
}

QString CorrectionText(int32_t expected)
{
    return QStringLiteral("Der aktuelle Preis ist %1 € !").arg(expected);
}

} // namespace rabatt
