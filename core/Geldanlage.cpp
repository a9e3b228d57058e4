#include "core/Geldanlage.h"

#include "core/Numbers.h"
#include "core/Random.h"

namespace geldanlage {

Task MakeTask(TRandom& random)
{
    Task t;
    t.capital = 500 * random.range(1, 40);
    t.rate = random.range(2, 6);
    t.term = random.range(2, 11);
    return t;
}

QString TaskText(const Task& task)
{
    return QStringLiteral("Herr Sparstrumpf legt %1 € mit %2 % Verzinsung für\r\n"
                          "%3 Jahre auf die Bank\r\n"
                          "Er kann jedes Jahr den Jahreszins abheben, oder die \r\n"
                          "Zinsen zusammen mit dem Kapital stehenlassen.")
        .arg(task.capital)
        .arg(task.rate)
        .arg(task.term);
}

int64_t SimpleInterestCents(const Task& task)
{
    const Extended cents = static_cast<Extended>(task.term) * 100 *
                           (static_cast<Extended>(task.rate) / 100) * task.capital;
    return RoundEven(cents);
}

int64_t CompoundInterestCents(const Task& task)
{
    // The extended factor lies just below (100 + rate) / 100, so a year that
    // ends on an exact half cent usually comes out just below it and rounds
    // down (110250 * 1.05 gives 115762). The expected answers depend on this.
    const Extended factor = static_cast<Extended>(task.rate) / 100 + 1;
    const int64_t start = static_cast<int64_t>(task.capital) * 100;
    int64_t amount = start;
    for (int32_t year = 0; year < task.term; ++year)
        amount = RoundEven(static_cast<Extended>(amount) * factor);
    return amount - start;
}

QString AmountText(int64_t cents)
{
    return FloatToStr(static_cast<Extended>(cents) / 100);
}

Expected ExpectedTexts(const Task& task)
{
    return {AmountText(SimpleInterestCents(task)), AmountText(CompoundInterestCents(task))};
}

bool IsRight(const Expected& expected, const QString& entry1, const QString& entry2)
{
    return entry1 == expected.simple && entry2 == expected.compound;
}

QString CorrectionText(const Expected& expected)
{
    return QStringLiteral("Eigentlich hätten es %1 € und %2 € sein müssen.")
        .arg(expected.simple, expected.compound);
}

} // namespace geldanlage
