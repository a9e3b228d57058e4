#pragma once

#include <cstdint>

// A colour as 0x00BBGGRR: red in the lowest byte.
using TColor = uint32_t;

namespace clr {
constexpr TColor Black = 0x000000;
constexpr TColor Maroon = 0x000080;
constexpr TColor Green = 0x008000;
constexpr TColor Navy = 0x800000;
constexpr TColor Gray = 0x808080;
constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Red = 0x0000FF;
constexpr TColor Lime = 0x00FF00;
constexpr TColor Yellow = 0x00FFFF;
constexpr TColor Blue = 0xFF0000;
constexpr TColor White = 0xFFFFFF;
} // namespace clr

inline int GetRed(TColor c)
{
    return static_cast<int>(c & 0xFF);
}
inline int GetGreen(TColor c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
inline int GetBlue(TColor c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}
