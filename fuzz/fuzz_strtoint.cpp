// Whole-number conversion against a model written straight from its rules:
// blanks, an optional sign, decimal digits or hexadecimal digits after "$",
// "x", "X" or "0x"/"0X", nothing else, and the signed 32-bit range.
#include "FuzzInput.h"

#include "core/Exception.h"
#include "core/Numbers.h"

#include <optional>
#include <string>

namespace {

std::optional<int64_t> Model(const QString& text)
{
    std::u16string s(reinterpret_cast<const char16_t*>(text.utf16()),
                     static_cast<size_t>(text.size()));
    size_t at = s.find_first_not_of(u' ');
    if (at == std::u16string::npos)
        return std::nullopt;
    s.erase(0, at);

    int sign = 1;
    if (s[0] == u'+' || s[0] == u'-') {
        sign = s[0] == u'-' ? -1 : 1;
        s.erase(0, 1);
    }
    std::u16string digits = u"0123456789";
    for (const std::u16string prefix : {u"0x", u"0X", u"$", u"x", u"X"}) {
        if (s.compare(0, prefix.size(), prefix) == 0) {
            digits = u"0123456789abcdefABCDEF";
            s.erase(0, prefix.size());
            break;
        }
    }
    if (s.empty() || s.find_first_not_of(digits) != std::u16string::npos)
        return std::nullopt;

    const int base = digits.size() == 10 ? 10 : 16;
    // Leading zeros do not count; more than ten digits are out of range anyway.
    s.erase(0, std::min(s.find_first_not_of(u'0'), s.size()));
    if (s.size() > 10)
        return std::nullopt;
    int64_t value = 0;
    for (char16_t c : s) {
        const auto d = static_cast<int64_t>(digits.find(c));
        value = value * base + (d >= 16 ? d - 6 : d); // upper-case hex sits after lower-case
    }
    value *= sign;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = TextFromBytes(data, size);
    const std::optional<int64_t> expected = Model(text);
    const std::optional<int32_t> got = TryStrToInt(text);
    FUZZ_CHECK(expected.has_value() == got.has_value(), text);
    if (got)
        FUZZ_CHECK(*got == *expected, text);

    try {
        const int32_t value = StrToInt(text);
        FUZZ_CHECK(got && value == *got, text);
    } catch (const EConvertError& e) {
        FUZZ_CHECK(!got, text);
        FUZZ_CHECK(e.message() ==
                       QLatin1Char('\'') + text + QStringLiteral("' ist kein gültiger Integerwert"),
                   text);
    }
    return 0;
}
