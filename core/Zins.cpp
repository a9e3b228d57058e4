#include "core/Zins.h"

#include "core/Numbers.h"
#include "core/Random.h"

#include <QStringList>

#include <cstdlib>

namespace zins {

Record MakeRecord(TRandom& random)
{
    Record r;
    r.capital = 1000 + 500 * random.range(0, 199);
    r.rate = 20 + random.range(0, 49);
    r.deposit = random.range(0, 179);
    r.payout = 180 + random.range(0, 179);
    r.interest = Interest(r.capital, r.rate, r.payout - r.deposit);
    return r;
}

Task MakeTask(TRandom& random)
{
    Task t;
    for (Record& r : t)
        r = MakeRecord(random);
    return t;
}

int32_t InterestDays(const Record& record)
{
    return record.payout - record.deposit;
}

int32_t Interest(int32_t capital, int32_t rate, int32_t days)
{
    // The grouping matters: at exact halves of a Pfennig the rounding errors of
    // rate / 1000 and days * 100 / 360 decide the direction.
    const Extended yearly = static_cast<Extended>(rate) / 1000 * capital;
    const Extended share = static_cast<Extended>(days * 100) / 360;
    return static_cast<int32_t>(RoundEven(yearly * share));
}

QString DateText(int32_t day)
{
    return QStringLiteral("%1.%2").arg(day % 30 + 1).arg(day / 30 + 1);
}

QString RateText(int32_t rate)
{
    return FloatToStr(static_cast<Extended>(rate) / 10);
}

QString InterestText(int32_t pfennig)
{
    return FloatToStr(static_cast<Extended>(pfennig) / 100);
}

QStringList HeaderTexts()
{
    return {QStringLiteral("Kapital"), QStringLiteral("Zinssatz"), QStringLiteral("Einzahlungstag"),
            QStringLiteral("Auszahlungstag"), QStringLiteral("Zins")};
}

QStringList RowTexts(const Record& record)
{
    return {QString::number(record.capital), RateText(record.rate), DateText(record.deposit),
            DateText(record.payout), InterestText(record.interest)};
}

QString AskedRowText(const Task& task, Variant variant)
{
    const QPoint asked = AskedCell(variant);
    const QStringList header = HeaderTexts();
    const QStringList cells = RowTexts(task[static_cast<size_t>(asked.y() - 1)]);
    QStringList known;
    for (int col = 0; col < cells.size(); ++col) {
        if (col != asked.x())
            known << header[col] + QLatin1Char(' ') + cells[col];
    }
    return QStringLiteral("Gesucht: %1 in Zeile %2. Bekannt: %3.")
        .arg(header[asked.x()])
        .arg(asked.y())
        .arg(known.join(QStringLiteral(", ")));
}

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Keeps the significant digits only; the exponent follows the removed zeros.
void normalise(QString& digits, int64_t& exponent)
{
    qsizetype lead = 0;
    while (lead < digits.size() && digits[lead] == QLatin1Char('0'))
        ++lead;
    digits.remove(0, lead);
    while (digits.endsWith(QLatin1Char('0'))) {
        digits.chop(1);
        ++exponent;
    }
}

} // namespace

bool DecimalEquals(const QString& text, int32_t units, int scale)
{
    // Only what the decimal conversion accepts is a number at all.
    if (!TryStrToFloat(text))
        return false;
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    qsizetype i = 0;
    bool negative = false;
    if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
        negative = t[i++] == QLatin1Char('-');
    QString digits;
    int64_t exponent = 0;
    while (i < n && isAsciiDigit(t[i]))
        digits += t[i++];
    if (i < n && t[i] == QLatin1Char(',')) {
        ++i;
        for (; i < n && isAsciiDigit(t[i]); ++i) {
            digits += t[i];
            --exponent;
        }
    }
    if (i < n) { // the exponent part, "E-3"
        ++i;
        bool negativeExponent = false;
        if (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))
            negativeExponent = t[i++] == QLatin1Char('-');
        int64_t e = 0;
        for (; i < n; ++i)
            e = std::min<int64_t>(e * 10 + (t[i].unicode() - '0'), 1000000000);
        exponent += negativeExponent ? -e : e;
    }
    normalise(digits, exponent);

    QString expected = QString::number(std::llabs(static_cast<long long>(units)));
    int64_t expectedExponent = -scale;
    normalise(expected, expectedExponent);
    if (digits.isEmpty() || expected.isEmpty()) // zero has no sign
        return digits.isEmpty() && expected.isEmpty();
    return negative == (units < 0) && digits == expected && exponent == expectedExponent;
}

QString JoinedDate(const QString& day, const QString& month)
{
    QString joined = day + month;
    joined.chop(1);
    return joined;
}

namespace {

Verdict CheckInterest(const Task& task, const QString& answer)
{
    const Record& r = task[0];
    if (!TryStrToFloat(answer))
        return {Outcome::Invalid, QStringLiteral("In der ersten Zeile muss ein Kommazahl stehen!")};
    if (DecimalEquals(answer, r.interest, 2))
        return {Outcome::Right,
                QStringLiteral("Der Zins in der ersten Zeile wurde richtig berechnet!")};
    return {Outcome::Wrong,
            QStringLiteral("In der ersten Zeile ergibt sich bei%1 Tagen %2 DM Zins.")
                .arg(InterestDays(r))
                .arg(InterestText(r.interest))};
}

Verdict CheckRate(const Task& task, const QString& answer)
{
    const Record& r = task[2];
    const std::optional<Extended> value = TryStrToFloat(answer);
    if (!value)
        return {Outcome::Invalid,
                QStringLiteral("In der dritten Zeile muss ein Zinssatz (eine Kommazahl) stehen!")};
    const Extended tenths = *value * 10;
    if (tenths == r.rate)
        return {Outcome::Right,
                QStringLiteral("Der Zinssatz in der 3.Zeile wurde richtig berechnet!")};
    return {Outcome::Wrong,
            QStringLiteral("Der Zinssatz müsste lauten : %1 %").arg(RateText(r.rate))};
}

Verdict CheckCapital(const Task& task, const QString& answer)
{
    const Record& r = task[3];
    if (!TryStrToFloat(answer))
        return {Outcome::Invalid, QStringLiteral("In der vierten Zeile muss ein Zahl stehen!")};
    if (DecimalEquals(answer, r.capital, 0))
        return {Outcome::Right, QStringLiteral("Das Kapital wurde richtig berechnet!")};
    return {Outcome::Wrong,
            QStringLiteral("In der vierten Zeile ergibt sich bei%1 Tagen %2 DM Kapital.")
                .arg(InterestDays(r))
                .arg(r.capital)};
}

Verdict CheckPayoutDay(const Task& task, const QString& answer)
{
    const QString expected = DateText(task[1].payout);
    if (answer == expected)
        return {Outcome::Right, QStringLiteral("Das Auszahlungsdatum stimmt genau !")};
    return {Outcome::Wrong,
            QStringLiteral("In der zweiten Zeile ist das Auszahlungsdatum der ") + expected};
}

// In the order of Variant.
const Mode Modes[] = {
    {{4, 1}, "0,00", CheckInterest},
    {{1, 3}, "0,0", CheckRate},
    {{0, 4}, "0", CheckCapital},
    {{3, 2}, "", CheckPayoutDay},
};

} // namespace

const Mode& ModeOf(Variant variant)
{
    return Modes[static_cast<size_t>(variant)];
}

QPoint AskedCell(Variant variant)
{
    return ModeOf(variant).asked;
}

QString InitialAnswer(Variant variant)
{
    return QString::fromLatin1(ModeOf(variant).initialAnswer);
}

Verdict Check(Variant variant, const Task& task, const QString& answer)
{
    return ModeOf(variant).check(task, answer);
}

} // namespace zins
