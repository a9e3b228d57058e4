#include "core/Numbers.h"

#include "core/Exception.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

int64_t RoundEven(Extended x)
{
    // llrintl rounds in the current mode, which is to-nearest-even by default.
    return llrintl(x);
}

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// The "C" locale for reading numbers, whatever setlocale() was told since; glibc
// hands out a static object for it, so there is nothing to free.
locale_t CNumericLocale()
{
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

} // namespace

int64_t DivideEven(int64_t numerator, int64_t denominator)
{
    int64_t quotient = numerator / denominator;
    const int64_t twiceRest = 2 * (numerator % denominator); // the sign of the numerator
    const bool odd = quotient % 2 != 0;
    if (twiceRest > denominator || (twiceRest == denominator && odd))
        ++quotient;
    else if (twiceRest < -denominator || (twiceRest == -denominator && odd))
        --quotient;
    return quotient;
}

std::optional<int32_t> TryStrToInt(const QString& text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < n && (text[i] == QLatin1Char('$') || text[i] == QLatin1Char('x') ||
                  text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == QLatin1Char('0') &&
               (text[i + 1] == QLatin1Char('x') || text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return std::nullopt;

    // Magnitude limit: 2^31 - 1, or 2^31 for a negative number.
    const uint64_t limit = negative ? 2147483648ull : 2147483647ull;
    uint64_t value = 0;
    for (; i < n; ++i) {
        const int d = hexValue(text[i]);
        if (d < 0 || d >= base)
            return std::nullopt;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
        if (value > limit)
            return std::nullopt;
    }
    const int64_t signedValue =
        negative ? -static_cast<int64_t>(value) : static_cast<int64_t>(value);
    return static_cast<int32_t>(signedValue);
}

int32_t StrToInt(const QString& text)
{
    if (const auto v = TryStrToInt(text))
        return *v;
    throw EConvertError(QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text));
}

std::optional<Extended> TryStrToFloat(const QString& text)
{
    const QString t = text.trimmed();
    // Accepted form: [sign] digits [, digits] [E [sign] digits], at least one digit in the
    // mantissa.
    QByteArray ascii;
    ascii.reserve(t.size());
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto isDigit = [&](qsizetype k) {
        return k < n && t[k] >= QLatin1Char('0') && t[k] <= QLatin1Char('9');
    };
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        ascii.append(static_cast<char>(t[i++].unicode()));
    int mantissaDigits = 0;
    while (isDigit(i)) {
        ascii.append(static_cast<char>(t[i++].unicode()));
        ++mantissaDigits;
    }
    if (i < n && t[i] == QLatin1Char(',')) {
        ascii.append('.');
        ++i;
        while (isDigit(i)) {
            ascii.append(static_cast<char>(t[i++].unicode()));
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E'))) {
        ascii.append('e');
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            ascii.append(static_cast<char>(t[i++].unicode()));
        if (!isDigit(i))
            return std::nullopt;
        while (isDigit(i))
            ascii.append(static_cast<char>(t[i++].unicode()));
    }
    if (i != n)
        return std::nullopt;
    // The text is plain ASCII in C form now, read with a decimal point in any process locale.
    char* end = nullptr;
    const Extended value = strtold_l(ascii.constData(), &end, CNumericLocale());
    if (end != ascii.constData() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Extended StrToFloat(const QString& text)
{
    if (const auto v = TryStrToFloat(text))
        return *v;
    throw EConvertError(QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text));
}

QString FloatToStr(Extended value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");

    // Round to 15 significant digits first, then choose the notation from the
    // decimal exponent of the rounded value.
    // to_chars ignores the locale and gives the digits of printf's "%.14Le".
    char digits[64];
    const auto written =
        std::to_chars(digits, digits + sizeof digits - 1, value, std::chars_format::scientific, 14);
    *written.ptr = '\0';
    // digits: [-]d.dddddddddddddde[+-]xx
    const char* e = std::strchr(digits, 'e');
    int exponent = 0;
    std::from_chars(e + 2, written.ptr, exponent);
    if (e[1] == '-')
        exponent = -exponent;
    QString mantissa;
    bool negative = digits[0] == '-';
    for (const char* p = digits + (negative ? 1 : 0); p < e; ++p)
        if (*p != '.')
            mantissa.append(QLatin1Char(*p));
    while (mantissa.size() > 1 && mantissa.endsWith(QLatin1Char('0')))
        mantissa.chop(1);

    QString out;
    if (exponent >= 15 || exponent < -5) {
        out = mantissa.left(1);
        if (mantissa.size() > 1)
            out += QLatin1Char(',') + mantissa.mid(1);
        out += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        out = QStringLiteral("0,") + QString(-exponent - 1, QLatin1Char('0')) + mantissa;
    } else {
        const int intDigits = exponent + 1;
        if (mantissa.size() <= intDigits) {
            out = mantissa + QString(intDigits - mantissa.size(), QLatin1Char('0'));
        } else {
            out = mantissa.left(intDigits) + QLatin1Char(',') + mantissa.mid(intDigits);
        }
    }
    return negative ? QLatin1Char('-') + out : out;
}
