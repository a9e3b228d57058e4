#pragma once

#include "core/Color.h"
#include "core/Numbers.h"

// How a chart is set up: its background, the ranges of its axes, the steps of
// marks, grid lines and labels along x and y, the grid's colour, and whether
// the axes and their marks show.
struct ChartSetup {
    TColor color;
    Extended xMin, xMax, yMin, yMax;
    Extended xMark, yMark;
    Extended xGrid, yGrid;
    Extended xText, yText;
    TColor gridColor;
    bool axes;
};
