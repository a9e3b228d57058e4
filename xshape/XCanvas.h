#pragma once

#include "platform/Canvas.h"

#include <cstdint>

// Free arrow routines for any canvas. Both draw with the canvas's current pen
// and leave its pen, brush and font alone.

// An open polyline: a shaft of length L from (X0, Y0) towards (X1, Y1), which
// only gives the direction, and a head outline 10 pixels long and 3 pixels to
// each side at the tip. The pen position ends at the tip. Equal points draw
// nothing.
void DrawArrow(TCanvas& canvas, int32_t X0, int32_t Y0, int32_t X1, int32_t Y1, int32_t L);

// A shaft between the two points with a head at each end.
void DrawDoubleArrow(TCanvas& canvas, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
