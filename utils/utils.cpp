#include "utils/utils.h"

#include "core/Numbers.h"

void StartProgram(const QString& commandLine, TProcessInformation& info)
{
    if (!CreateProcess(commandLine, info))
        info.hProcess = InvalidProcessHandle;
}

void FillGradient(TCanvas& canvas, TColor startColor, TColor endColor, int width, int height,
                  int bandHeight)
{
    const int b = bandHeight < 3 ? 3 : bandHeight;
    const auto n = RoundEven(static_cast<Extended>(height) / b);
    canvas.Pen.setStyle(TPenStyle::Clear);
    canvas.Brush.setStyle(TBrushStyle::Solid);
    const int r0 = GetRed(startColor);
    const int g0 = GetGreen(startColor);
    const int b0 = GetBlue(startColor);
    const int dr = GetRed(endColor) - r0;
    const int dg = GetGreen(endColor) - g0;
    const int db = GetBlue(endColor) - b0;
    if (n < 0)
        return;
    for (int64_t t = 0; t <= n; ++t) {
        // With n = 0 (h at most half a band) the single band takes the start colour.
        const Extended f = n == 0 ? 0 : static_cast<Extended>(t) / n;
        const auto red = r0 + RoundEven(f * dr);
        const auto green = g0 + RoundEven(f * dg);
        const auto blue = b0 + RoundEven(f * db);
        canvas.Brush.setColor(static_cast<TColor>(red | green << 8 | blue << 16));
        const int top = static_cast<int>(t * b);
        canvas.Rectangle(0, top, width, top + b + 1);
    }
}
