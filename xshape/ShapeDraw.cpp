#include "xshape/ShapeDraw.h"

#include "core/Random.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr Extended Pi = 3.141592653589793238462643383279502884L;

// Rounded to even and kept far enough inside int that sums of a few such
// values cannot overflow; NaN counts as 0.
int RoundInt(Extended x)
{
    constexpr Extended limit = 1 << 24;
    if (std::isnan(x))
        return 0;
    return static_cast<int>(RoundEven(std::clamp(x, -limit, limit)));
}

void UseStyle(TCanvas& canvas, const TShapeStyle& s)
{
    canvas.Brush.Assign(s.Brush);
    canvas.Pen.Assign(s.Pen);
}

std::vector<QPoint> Transformed(const TShapeTarget& t, const TUnitPoint* table, int count)
{
    std::vector<QPoint> points;
    points.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        points.push_back(TransformPoint(t, table[i]));
    return points;
}

void FillPolygon(const TShapeTarget& t, const std::vector<QPoint>& points)
{
    UseStyle(t.Canvas, t.Style);
    t.Canvas.Polygon(points.data(), static_cast<int>(points.size()));
}

} // namespace

QPoint TransformPoint(const TShapeTarget& t, TUnitPoint p)
{
    const TShapeStyle& s = t.Style;
    const Extended r = s.Rotation / 180 * Pi;
    const Extended c = std::cos(r);
    const Extended sn = std::sin(r);
    Extended w = s.W - 1;
    Extended h = s.H - 1;
    if (s.Invariant)
        w = h = std::min(w, h);
    const int x =
        RoundInt(w * (p.u * s.ScaleY * c - p.v * s.ScaleX * sn) - 1) + t.Origin.x() + 1 + s.W / 2;
    const int y =
        RoundInt(h * (p.u * s.ScaleY * sn + p.v * s.ScaleX * c) - 1) + t.Origin.y() + 1 + s.H / 2;
    return QPoint(x, y);
}

void DrawTablePolygon(const TShapeTarget& t, const TUnitPoint* table, int count)
{
    FillPolygon(t, Transformed(t, table, count));
}

void DrawLabelledPolygon(const TShapeTarget& t, const TUnitPoint* table, int count,
                         TLetterScheme scheme)
{
    const std::vector<QPoint> corners = Transformed(t, table, count);
    const bool square = scheme == TLetterScheme::Square;
    if (t.Style.Description) {
        const QString letters = square ? QStringLiteral("ABCD") : QStringLiteral("BCA");
        for (int i = 0; i < count && i < letters.size(); ++i)
            DrawCornerLabel(t, corners[i].x(), corners[i].y(), letters.mid(i, 1));
    }
    if (square && t.Style.Lines && count == 4) {
        const QString letters = QStringLiteral("abcd");
        for (int i = 0; i < 4; ++i) {
            const QPoint a = corners[i];
            const QPoint b = corners[(i + 1) % 4];
            DrawCornerLabel(t, (a.x() + b.x()) / 2, (a.y() + b.y()) / 2, letters.mid(i, 1));
        }
    }
    FillPolygon(t, corners);
}

void DrawCornerLabel(const TShapeTarget& t, int x, int y, const QString& text)
{
    const int left = x < t.Style.W / 2 ? x - 8 : x;
    const int top = y < t.Style.H / 2 ? y - 16 : y + 2;
    t.Canvas.SetBkModeTransparent(true);
    t.Canvas.TextOut(left, top, text);
}

void DrawCentredCaption(TCanvas& canvas, const QRect& r, const QString& caption)
{
    const int x = r.left() + (r.width() - canvas.TextWidth(caption)) / 2;
    const int y = r.top() + (r.height() - canvas.TextHeight(caption)) / 2;
    canvas.TextOut(x, y, caption);
}

void DrawTextBox(const TShapeTarget& t, int kind)
{
    const TShapeStyle& s = t.Style;
    TCanvas& canvas = t.Canvas;
    UseStyle(canvas, s);
    switch (kind) {
    case 0:
        canvas.Rectangle(0, 0, s.W - 1, s.H - 1);
        break;
    case 1:
        canvas.RoundRect(0, 0, s.W - 1, s.H - 1, RoundInt(s.ScaleX), RoundInt(s.ScaleY));
        break;
    case 2:
        canvas.Ellipse(0, 0, s.W - 1, s.H - 1);
        break;
    default:
        break;
    }
    if (s.Description) {
        canvas.Font.Assign(s.Font);
        DrawCentredCaption(canvas, QRect(0, 0, s.W, s.H), s.Caption);
    }
}

namespace {

// One pass of a shadow figure, moved by (dx, dy) and shrunk by (cx, cy) at
// the lower right: the shadow pass has (sx, sy, 0, 0), the figure (0, 0, sx, sy).
void ShadowPass(const TShapeTarget& t, int kind, int dx, int dy, int cx, int cy)
{
    const TShapeStyle& s = t.Style;
    TCanvas& canvas = t.Canvas;
    const int h2 = s.H / 2;
    switch (kind) {
    case 1:
        canvas.Rectangle(dx, dy, s.W - cx - 1, s.H - cy - 1);
        break;
    case 2:
        canvas.Ellipse(dx, dy, s.W - cx - 1, s.H - cy - 1);
        break;
    case 3:
        canvas.TextOut(dx, dy, s.Caption);
        break;
    case 4: {
        const int y = dy + h2;
        canvas.MoveTo(dx, y);
        canvas.LineTo(s.W - 5 - cx, y);
        const QPoint head[3] = {QPoint(s.W - 8 - cx, y - 3), QPoint(s.W - 2 - cx, y),
                                QPoint(s.W - 8 - cx, y + 3)};
        canvas.Polygon(head, 3);
        break;
    }
    case 5:
        DrawCentredCaption(canvas, QRect(QPoint(2 * dx, 2 * dy), QPoint(s.W - 1, s.H - 1)),
                           s.Caption);
        break;
    case 6:
        canvas.RoundRect(dx, dy, s.W - cx - 1, s.H - cy - 1, 16, 16);
        break;
    default:
        break;
    }
}

} // namespace

void DrawShadowShape(const TShapeTarget& t, int kind)
{
    const TShapeStyle& s = t.Style;
    TCanvas& canvas = t.Canvas;
    const int sx = RoundInt(s.ScaleX);
    const int sy = RoundInt(s.ScaleY);

    UseStyle(canvas, s);
    canvas.Font.Assign(s.Font);
    canvas.Pen.setColor(s.Color2);
    canvas.Pen.setWidth(s.Pen.width() + 2);
    canvas.Font.setColor(s.Color2);
    if (s.Brush.style() != TBrushStyle::Clear)
        canvas.Brush.setColor(s.Color2);
    canvas.SetBkModeTransparent(true);
    ShadowPass(t, kind, sx, sy, 0, 0);

    UseStyle(canvas, s);
    canvas.Font.Assign(s.Font);
    canvas.SetBkModeTransparent(true);
    ShadowPass(t, kind, 0, 0, sx, sy);
}

void DrawHollowEllipse(const TShapeTarget& t)
{
    t.Canvas.Brush.setStyle(TBrushStyle::Clear);
    t.Canvas.Ellipse(0, 0, t.Style.W - 1, t.Style.H - 1);
}

void DrawBlockArrow(const TShapeTarget& t)
{
    const TShapeStyle& s = t.Style;
    TCanvas& canvas = t.OwnCanvas ? *t.OwnCanvas : t.Canvas;
    UseStyle(canvas, s);
    const int sx = RoundInt(s.ScaleX);
    const int sy = RoundInt(s.ScaleY);
    const int r = s.W - 1;
    const int b = s.H - 1;
    const Extended rot = s.Rotation;
    // Not normalised: 360 points right again, and there is no upward arrow.
    const bool down = (rot >= 45 && rot < 135) || (rot >= 225 && rot < 315);
    const bool left = rot >= 135 && rot < 225;
    std::array<QPoint, 7> p;
    if (down)
        p = {QPoint(sx, 0),          QPoint(sx, b - sy),     QPoint(0, b - sy), QPoint(2 * sx, b),
             QPoint(4 * sx, b - sy), QPoint(3 * sx, b - sy), QPoint(3 * sx, 0)};
    else if (left)
        p = {QPoint(r, sy),      QPoint(sx, sy),     QPoint(sx, 0),    QPoint(0, 2 * sy),
             QPoint(sx, 4 * sy), QPoint(sx, 3 * sy), QPoint(r, 3 * sy)};
    else
        p = {QPoint(0, sy),          QPoint(r - sx, sy),     QPoint(r - sx, 0), QPoint(r, 2 * sy),
             QPoint(r - sx, 4 * sy), QPoint(r - sx, 3 * sy), QPoint(0, 3 * sy)};
    canvas.Polygon(p.data(), static_cast<int>(p.size()));
}

void DrawRasterShape(const TShapeTarget& t, int64_t figure, int64_t mode)
{
    const TShapeStyle& s = t.Style;
    if (s.W < 1 || s.H < 1)
        return;
    // Owned by value: released on every path out.
    QImage bitmap(s.W, s.H, QImage::Format_RGB32);
    if (bitmap.isNull())
        return;
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        TCanvas canvas(painter);
        if (figure != 0) {
            canvas.Brush.setColor(s.Color2);
            canvas.Pen.setStyle(TPenStyle::Clear);
            canvas.Rectangle(0, 0, s.W + 1, s.H + 1);
        }
        UseStyle(canvas, s);
        if (figure == 0) {
            canvas.Rectangle(0, 0, s.W, s.H);
        } else if (figure == 1) {
            canvas.Ellipse(0, 0, s.W, s.H);
        } else {
            const QPoint diamond[4] = {QPoint(s.W / 2, 0), QPoint(s.W, s.H / 2),
                                       QPoint(s.W / 2, s.H), QPoint(0, s.H / 2)};
            canvas.Polygon(diamond, 4);
        }
    }
    TCopyMode op = TCopyMode::PatPaint;
    switch (mode) {
    case 0:
        op = TCopyMode::SrcInvert;
        break;
    case 1:
        op = TCopyMode::SrcAnd;
        break;
    case 2:
        op = TCopyMode::SrcPaint;
        break;
    case 3:
        op = TCopyMode::SrcErase;
        break;
    default:
        break;
    }
    t.Canvas.CopyImage(0, 0, bitmap, op);
}

namespace {

// Rounded to even with NaN as 0, for channel values that are cut to 8 bits.
int64_t RoundChannel(Extended x)
{
    constexpr Extended limit = 1e18L;
    if (std::isnan(x))
        return 0;
    return RoundEven(std::clamp(x, -limit, limit));
}

Extended CellFormula(int k, Extended i, Extended j, Extended nx, Extended ny, Extended R)
{
    switch (k) {
    case 0:
    case 1:
        return Random().nextFloat();
    case 2:
        return (i / nx + j / ny) / 2;
    case 3: {
        const Extended a = (i - nx / 2) / nx;
        const Extended b = (j - ny / 2) / ny;
        return std::sqrt(2 * a * a + 2 * b * b);
    }
    case 4:
        return std::fabs(std::atan2(j - ny / 2, i - nx / 2)) / Pi;
    case 5:
        return std::sqrt(std::fabs(std::fabs((j - ny / 2) / ny) - std::fabs((i - nx / 2) / nx)));
    case 6:
        return std::sqrt(std::fabs(std::fabs((j - ny / 6) / ny) - std::fabs((i - nx / 3) / nx)));
    case 7: {
        const Extended v = (std::sin(i / nx * (R + 1) * Pi) + std::cos(j / ny * Pi)) * 0.5L;
        return v * v;
    }
    case 8:
        return (std::cos(i / nx * 8 * Pi) + std::sin(j / ny * 8 * Pi)) * (R + 1);
    case 9:
        return std::fabs(std::sin((R + 0.15L) * nx / (std::fabs(i / 2) + 3)) *
                         std::sin((R - 0.15L) * ny / std::sqrt(std::fabs(j / 2) + 3)));
    case 10: {
        const Extended v = std::sin((R + 0.15L) * i * j) * std::sin((R - 0.15L) * i * j);
        return v * v;
    }
    case 11: {
        const Extended v = std::sin((R + 0.15L) * i * j) * std::sin((R - 0.15L) * j);
        return v * v;
    }
    default:
        return 0;
    }
}

void DrawFieldCaption(const TShapeTarget& t)
{
    if (!t.Style.Description)
        return;
    t.Canvas.SetBkModeTransparent(true);
    DrawCentredCaption(t.Canvas, QRect(0, 0, t.Style.W, t.Style.H), t.Style.Caption);
}

} // namespace

bool DrawCellColourField(const TShapeTarget& t, int formula)
{
    const TShapeStyle& s = t.Style;
    TCanvas& canvas = t.Canvas;
    const QPaintDevice* device = canvas.painter().device();
    const bool fewColours = device && device->depth() <= 4;
    const bool dither = s.Invariant || fewColours;
    UseStyle(canvas, s);
    // Setting a cell colour makes even a clear brush solid.
    canvas.Brush.setStyle(TBrushStyle::Solid);

    int c = RoundInt(s.ScaleX);
    int d = RoundInt(s.ScaleY);
    if (c <= 1)
        c = 2;
    if (d <= 1)
        d = 2;
    const int W = std::max(s.W, 0);
    const int H = std::max(s.H, 0);
    const int nx = (W - 1) / c + 1;
    const int ny = (H - 1) / d + 1;
    const TColor c1 = s.Brush.color();
    const TColor c2 = s.Color2;
    for (int i = 0; i <= nx; ++i) {
        for (int j = 0; j <= ny; ++j) {
            const Extended f = CellFormula(formula, i, j, nx, ny, s.Rotation);
            TColor colour = c2;
            if (dither) {
                if (f > Random().nextFloat())
                    colour = c1;
            } else {
                colour = 0;
                for (int shift : {0, 8, 16}) {
                    const int64_t a = (c1 >> shift) & 0xFF;
                    const int64_t b = (c2 >> shift) & 0xFF;
                    const int64_t v = RoundChannel(f * a + (1 - f) * b) & 0xFF;
                    colour |= static_cast<TColor>(v) << shift;
                }
            }
            canvas.Brush.setColor(colour);
            canvas.FillRect(i * c, j * d, (i + 1) * c + 1, (j + 1) * d + 1);
        }
    }
    DrawFieldCaption(t);
    return fewColours;
}

void DrawStripeField(const TShapeTarget& t, TStripeDirection direction)
{
    const TShapeStyle& s = t.Style;
    TCanvas& canvas = t.Canvas;
    const bool across = direction == TStripeDirection::Across;
    Extended width = across ? s.ScaleX : s.ScaleY;
    if (!(width >= 3))
        width = 3;
    const int n = static_cast<int>(RoundChannel((across ? s.W : s.H) / width));

    canvas.Pen.setStyle(TPenStyle::Clear);
    canvas.Brush.setStyle(TBrushStyle::Solid);
    const TColor c1 = s.Brush.color();
    const int r1 = GetRed(c1);
    const int g1 = GetGreen(c1);
    const int b1 = GetBlue(c1);
    const int dr = GetRed(s.Color2) - r1;
    const int dg = GetGreen(s.Color2) - g1;
    const int db = GetBlue(s.Color2) - b1;
    for (int g = 0; g <= n; ++g) {
        // n = 0 would divide 0 by 0: the single stripe keeps the brush colour.
        const Extended f = n > 0 ? static_cast<Extended>(g) / n : 0;
        const auto channel = [f](int start, int diff) {
            return static_cast<TColor>((start + RoundChannel(diff * f)) & 0xFF);
        };
        canvas.Brush.setColor(channel(r1, dr) | channel(g1, dg) << 8 | channel(b1, db) << 16);
        const int from = RoundInt(g * width);
        const int to = RoundInt((g + 1) * width) + 1;
        if (across)
            canvas.Rectangle(from, 0, to, s.H);
        else
            canvas.Rectangle(0, from, s.W, to);
    }
    canvas.Pen.Assign(s.Pen);
    canvas.Brush.setStyle(TBrushStyle::Clear);
    canvas.Rectangle(0, 0, s.W, s.H);
    DrawFieldCaption(t);
}
