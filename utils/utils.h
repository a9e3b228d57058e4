#pragma once

#include "platform/Canvas.h"
#include "platform/Process.h"

#include <QString>

// Starts a program from a command line without waiting. On failure only the
// process handle of info is set, to 0xFFFF.
void StartProgram(const QString& commandLine, TProcessInformation& info);

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

// A vertical gradient in horizontal bands of height b (at least 3): n = rounded(h / b),
// bands 0..n from startColor to endColor, each one row taller so they meet.
void FillGradient(TCanvas& canvas, TColor startColor, TColor endColor, int width, int height,
                  int bandHeight);
