// Decimal conversion against a model: the grammar checked character by
// character, the value compared with Qt's own (independent) parser.
#include "FuzzInput.h"

#include "core/Exception.h"
#include "core/Numbers.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <optional>

namespace {

enum class Verdict { Reject, Accept, Either };

struct Parsed {
    Verdict verdict = Verdict::Reject;
    QString cForm; // the number with a decimal point, for Qt's parser
};

// [blanks] [sign] digits [, digits] [e|E [sign] digits] [blanks], a digit in
// the mantissa. Accepted when finite in extended precision, which the model
// judges from the decimal exponent (undecided right at the limit).
Parsed Model(const QString& text)
{
    Parsed out;
    qsizetype i = 0, n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    while (n > i && text[n - 1].isSpace())
        --n;
    auto digit = [&](qsizetype k) {
        return k < n && text[k] >= u'0' && text[k] <= u'9';
    };

    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        out.cForm += text[i++];
    QString intPart, fracPart;
    while (digit(i))
        intPart += text[i++];
    if (i < n && text[i] == u',') {
        ++i;
        while (digit(i))
            fracPart += text[i++];
    }
    if (intPart.isEmpty() && fracPart.isEmpty())
        return out;
    out.cForm += (intPart.isEmpty() ? QStringLiteral("0") : intPart) + u'.' + fracPart + u'0';

    long long exponent = 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        int sign = 1;
        if (i < n && (text[i] == u'+' || text[i] == u'-'))
            sign = text[i++] == u'-' ? -1 : 1;
        if (!digit(i))
            return out;
        while (digit(i)) {
            exponent = std::min(exponent * 10 + (text[i++].unicode() - u'0'), 1000000000LL);
        }
        exponent *= sign;
        out.cForm += u'e' + QString::number(exponent);
    }
    if (i != n)
        return out;

    // Decimal exponent of the leading non-zero digit.
    const QString all = intPart + fracPart;
    const qsizetype lead = all.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    if (lead < 0) {
        out.verdict = Verdict::Accept; // zero
        return out;
    }
    const long long magnitude = intPart.size() - 1 - lead + exponent;
    out.verdict = magnitude > 4932   ? Verdict::Reject
                  : magnitude < 4932 ? Verdict::Accept
                                     : Verdict::Either;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = TextFromBytes(data, size);
    const Parsed expected = Model(text);
    const std::optional<Extended> got = TryStrToFloat(text);
    if (expected.verdict != Verdict::Either)
        FUZZ_CHECK(got.has_value() == (expected.verdict == Verdict::Accept), text);
    if (got) {
        FUZZ_CHECK(std::isfinite(*got), text);
        // Within double range Qt's parser gives the same value to double precision.
        bool ok = false;
        const double reference = QLocale::c().toDouble(expected.cForm, &ok);
        const long double magnitude = std::fabs(*got);
        if (ok && magnitude < 1e300L && magnitude > 1e-300L) {
            const long double diff = std::fabs(*got - static_cast<long double>(reference));
            FUZZ_CHECK(diff <= magnitude * 2.3e-16L, text);
        } else if (magnitude == 0) {
            FUZZ_CHECK(reference == 0 || !ok || std::fabs(reference) < 1e-300, text);
        }
    }

    try {
        const Extended value = StrToFloat(text);
        FUZZ_CHECK(got && (value == *got), text);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!got, text);
        FUZZ_CHECK(e.message() == QLatin1Char('\'') + text +
                                      QStringLiteral("' ist kein gültiger Gleitkommawert"),
                   text);
    }
    return 0;
}
