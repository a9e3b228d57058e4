#pragma once

#include "platform/Canvas.h"
#include "platform/Process.h"

#include <QString>

// Starts a program from a command line without waiting. On failure only the
// process handle of info is set, to 0xFFFF.
void StartProgram(const QString& commandLine, TProcessInformation& info);

// A vertical gradient in horizontal bands of height b (at least 3): n = rounded(h / b),
// bands 0..n from startColor to endColor, each one row taller so they meet.
void FillGradient(TCanvas& canvas, TColor startColor, TColor endColor, int width, int height,
                  int bandHeight);
