#pragma once

#include <QString>

#include <cfloat>
#include <cstdint>
#include <optional>

// Intermediate results are formed in x87 extended precision; the expected
// answers depend on it.
static_assert(LDBL_MANT_DIG == 64, "long double must have a 64-bit significand");

using Extended = long double;

// Nearest whole number, an exact half to the even neighbour (12.5 -> 12, 37.5 -> 38).
int64_t RoundEven(Extended x);

// numerator / denominator (denominator > 0) to the nearest whole number, an exact
// half to the even neighbour, computed exactly (-250 / 100 -> -2, 82.5 -> 82).
int64_t DivideEven(int64_t numerator, int64_t denominator);

// Whole-number conversion: leading blanks, optional sign, decimal digits, or
// hexadecimal digits after "$", "x", "X" or "0x"; nothing else; signed 32-bit range.
std::optional<int32_t> TryStrToInt(const QString& text);
// As TryStrToInt; a failure throws EConvertError "'<text>' ist kein gültiger Integerwert".
int32_t StrToInt(const QString& text);

// Decimal number with a decimal comma ("12,5", "-3", "1,5E3"); blanks around it allowed.
std::optional<Extended> TryStrToFloat(const QString& text);
// As TryStrToFloat; a failure throws EConvertError "'<text>' ist kein gültiger Gleitkommawert".
Extended StrToFloat(const QString& text);

// General number format: shortest form with up to 15 significant digits and a
// decimal comma (2, 2,5, 123,45, 1E20, 1E-5).
QString FloatToStr(Extended value);
