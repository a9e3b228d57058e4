#include "xshape/XCanvas.h"

#include "core/Numbers.h"

#include <QPoint>

#include <cmath>
#include <limits>

namespace {

// The squares are summed in extended precision rather than 32-bit integers:
// the same value wherever the sum fits 32 bits, and no overflow beyond.
Extended Distance(int32_t X0, int32_t Y0, int32_t X1, int32_t Y1)
{
    const Extended dx = static_cast<Extended>(X1) - X0;
    const Extended dy = static_cast<Extended>(Y1) - Y0;
    return std::sqrt(dx * dx + dy * dy);
}

int Coordinate(int64_t v)
{
    // Only points beyond the int range are clamped; they lie far off any canvas.
    constexpr int64_t lo = std::numeric_limits<int>::min();
    constexpr int64_t hi = std::numeric_limits<int>::max();
    return static_cast<int>(v < lo ? lo : v > hi ? hi : v);
}

void DrawArrowLength(TCanvas& canvas, int32_t X0, int32_t Y0, int32_t X1, int32_t Y1, int64_t L)
{
    const Extended d = Distance(X0, Y0, X1, Y1);
    if (d == 0)
        return;
    const Extended ux = (static_cast<Extended>(X1) - X0) / d;
    const Extended uy = (static_cast<Extended>(Y1) - Y0) / d;

    // Each term is rounded on its own, halves to even.
    const int64_t tx = X0 + RoundEven(L * ux);
    const int64_t ty = Y0 + RoundEven(L * uy);
    const QPoint tip(Coordinate(tx), Coordinate(ty));
    const QPoint points[5] = {
        QPoint(X0, Y0),
        tip,
        QPoint(Coordinate(tx - RoundEven(10 * ux + 3 * uy)),
               Coordinate(ty - RoundEven(10 * uy - 3 * ux))),
        QPoint(Coordinate(tx - RoundEven(10 * ux - 3 * uy)),
               Coordinate(ty - RoundEven(10 * uy + 3 * ux))),
        tip,
    };
    canvas.Polyline(points, 5);
}

} // namespace

void DrawArrow(TCanvas& canvas, int32_t X0, int32_t Y0, int32_t X1, int32_t Y1, int32_t L)
{
    DrawArrowLength(canvas, X0, Y0, X1, Y1, L);
}

void DrawDoubleArrow(TCanvas& canvas, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2)
{
    // Points farther apart than 32 bits can hold keep their true length.
    const int64_t L = RoundEven(Distance(X1, Y1, X2, Y2));
    DrawArrowLength(canvas, X1, Y1, X2, Y2, L);
    DrawArrowLength(canvas, X2, Y2, X1, Y1, L);
}
