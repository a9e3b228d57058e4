// General number format against its rules: the shortest text with at most 15
// significant digits, a decimal comma, no trailing zeros, the exponent form
// only outside 1E-5 .. 1E15, and within half a unit of the last digit.
#include "FuzzInput.h"

#include "core/Numbers.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <locale.h>

namespace {

// Every finite and infinite extended value, plus the program's typical
// values: cents and tenths of a per cent as whole numbers over 100 or 10.
Extended ValueFromBytes(const uint8_t* data, size_t size)
{
    uint8_t bytes[11] = {};
    std::memcpy(bytes, data, std::min<size_t>(size, sizeof bytes));
    switch (bytes[0] % 4) {
    case 0: {
        uint64_t mantissa;
        uint16_t signExp;
        std::memcpy(&mantissa, bytes + 1, 8);
        std::memcpy(&signExp, bytes + 9, 2);
        // A valid x87 encoding: the explicit integer bit follows the exponent.
        if ((signExp & 0x7fff) == 0)
            mantissa &= ~(1ULL << 63);
        else
            mantissa |= 1ULL << 63;
        Extended x = 0;
        std::memcpy(&x, &mantissa, 8);
        std::memcpy(reinterpret_cast<char*>(&x) + 8, &signExp, 2);
        return x;
    }
    case 1: {
        double d;
        std::memcpy(&d, bytes + 1, 8);
        return d;
    }
    case 2: {
        int32_t whole;
        std::memcpy(&whole, bytes + 1, 4);
        return static_cast<Extended>(whole) / 100;
    }
    default: {
        int32_t whole;
        std::memcpy(&whole, bytes + 1, 4);
        return static_cast<Extended>(whole) / 10;
    }
    }
}

// NaN, the infinities and zero have texts of their own; true for those values.
bool CheckSpecial(Extended value, const QString& text)
{
    if (std::isnan(value))
        FUZZ_CHECK(text == QStringLiteral("NAN"), text);
    else if (std::isinf(value))
        FUZZ_CHECK(text == (value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF")), text);
    else if (value == 0)
        FUZZ_CHECK(text == QStringLiteral("0"), text);
    else
        return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const Extended value = ValueFromBytes(data, size);
    const QString text = FloatToStr(value);
    if (CheckSpecial(value, text))
        return 0;

    static const QRegularExpression plain(QStringLiteral("^-?(0|[1-9][0-9]*)(,[0-9]*[1-9])?$"));
    static const QRegularExpression scientific(
        QStringLiteral("^-?[1-9](,[0-9]*[1-9])?E-?[1-9][0-9]*$"));
    const bool isPlain = plain.match(text).hasMatch();
    const bool isScientific = scientific.match(text).hasMatch();
    FUZZ_CHECK(isPlain || isScientific, text);
    FUZZ_CHECK(text.startsWith(u'-') == std::signbit(value), text);

    // Significant digits and the decimal exponent of the first one.
    const QString mantissa = text.section(u'E', 0, 0);
    QString digits = mantissa;
    digits.remove(u'-').remove(u',');
    const qsizetype firstNonZero = digits.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    FUZZ_CHECK(firstNonZero >= 0, text);
    digits = digits.mid(firstNonZero);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    FUZZ_CHECK(digits.size() <= 15, text);
    long exponent;
    if (isScientific) {
        exponent = text.section(u'E', 1).toLong();
        FUZZ_CHECK(exponent >= 15 || exponent < -5, text);
    } else {
        const qsizetype comma = mantissa.indexOf(u',');
        const qsizetype intDigits =
            (comma < 0 ? mantissa.size() : comma) - (mantissa.startsWith(u'-') ? 1 : 0);
        exponent = mantissa.contains(QRegularExpression(QStringLiteral("^-?0"))) ? -firstNonZero
                                                                                 : intDigits - 1;
        FUZZ_CHECK(exponent < 15 && exponent >= -5, text);
    }

    // Read back: within half a unit of the fifteenth significant digit.
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    QString cForm = text;
    cForm.replace(u',', u'.');
    const Extended back = strtold_l(cForm.toLatin1().constData(), nullptr, cLocale);
    const Extended halfUnit = 0.5L * std::pow(10.0L, static_cast<Extended>(exponent - 14));
    const Extended slack = std::fabs(value) * 4 * LDBL_EPSILON + LDBL_TRUE_MIN;
    FUZZ_CHECK(std::fabs(back - value) <= halfUnit + slack, text);
    return 0;
}
