#include "xshape/Diagram.h"

#include "platform/Accessible.h"

#include <QPalette>

#include <cmath>

namespace {

// A diagram is a chart, not a plain drawing.
[[maybe_unused]] const bool Role = RegisterAccessible<TDiagram>(TAccessibleRole::Chart);

// A run with more lines than this would draw far more lines than any control
// has pixels; such steps are taken as unusable and the run is skipped.
constexpr Extended MaxRunLines = 100000;

// Rounds to a pixel coordinate; far-off positions are clipped by the canvas
// anyway, so they are kept inside the int range.
int ToPixel(Extended v)
{
    if (!std::isfinite(v))
        return 0;
    constexpr Extended Limit = 1e7L;
    if (v > Limit)
        v = Limit;
    else if (v < -Limit)
        v = -Limit;
    return static_cast<int>(RoundEven(v));
}

bool UsableRange(Extended min, Extended max)
{
    return std::isfinite(min) && std::isfinite(max) && min != max;
}

// Whether a run from the rounded start below max would end in reasonable time.
bool UsableStep(Extended min, Extended max, Extended step)
{
    if (!(step > 0) || !std::isfinite(step))
        return false;
    const Extended count = (max - min) / step;
    return std::isfinite(count) && count <= MaxRunLines && min + step != min;
}

// The axis origin in pixels from the low end, clamped into the control.
int Origin(int size, Extended min, Extended scale)
{
    int origin = ToPixel(-min * scale);
    if (origin < 0)
        origin = 0;
    else if (origin > size - 1)
        origin = size - 1;
    return origin;
}

} // namespace

void AssignPen(TPen& target, const TPen& source)
{
    target.setColor(source.color());
    target.setWidth(source.width());
    target.setStyle(source.style());
    target.setMode(source.mode());
}

void AssignBrush(TBrush& target, const TBrush& source)
{
    target.setColor(source.color());
    target.setStyle(source.style());
}

TDiagram::TDiagram(QWidget* parent)
    : TXGraphicBitmap(parent)
    , m_color(FromQColor(palette().color(QPalette::Window)))
{
    const auto changed = [this] {
        GraphicChanged();
    };
    m_brush.onChange = changed;
    m_font.onChange = changed;
    m_axePen.onChange = changed;
    m_markPen.onChange = changed;
    m_gridPen.onChange = changed;
    m_axePen.setWidth(2);
    m_displayGrid = true;
    m_arrowSize = 4;
    setRange(0, -4);
    setRange(1, 4);
    setRange(2, -4);
    setRange(3, 4);
    setWidth(100);
    setHeight(100);
    setMarkLE(0, 0);
    setMarkLE(1, 0);
    setTextLE(0, 0);
    setTextLE(1, 0);
    setGridLE(0, 0.5);
    setGridLE(1, 0.5);
    m_ready = 1;
}

void TDiagram::GraphicChanged()
{
    Invalidate();
}

QPoint TDiagram::WorldToPixel(Extended X, Extended Y) const
{
    const int w = width(), h = height();
    // An empty range maps everything onto its low edge instead of dividing by zero.
    const int px = UsableRange(XMin(), XMax()) ? ToPixel(w * (X - XMin()) / (XMax() - XMin())) : 0;
    const int py = UsableRange(YMin(), YMax()) ? ToPixel(h * (Y - YMin()) / (YMax() - YMin())) : 0;
    return QPoint(px, (h - 1) - py);
}

void TDiagram::setRange(int index, Extended value)
{
    m_range[index] = value;
    Invalidate();
}

void TDiagram::setStep(std::array<Extended, 2>& steps, int index, Extended value)
{
    if (value < 0)
        return;
    steps[index] = value;
    Invalidate();
}

void TDiagram::setArrowSize(int32_t value)
{
    if (value < 0)
        return;
    m_arrowSize = value;
    Invalidate();
}

void TDiagram::setDisplayGrid(bool value)
{
    m_displayGrid = value;
    Invalidate();
}

void TDiagram::SetUp(const ChartSetup& s)
{
    setColor(s.color);
    setXMin(s.xMin);
    setXMax(s.xMax);
    setYMin(s.yMin);
    setYMax(s.yMax);
    setXMarkLE(s.xMark);
    setYMarkLE(s.yMark);
    setXGridLE(s.xGrid);
    setYGridLE(s.yGrid);
    setXTextLE(s.xText);
    setYTextLE(s.yText);
    QFont labelFont(QStringLiteral("MS Sans Serif"));
    labelFont.setPixelSize(11);
    m_font.setFont(labelFont);
    m_font.setColor(clr::Black);
    setArrowSize(4);
    m_axePen.setWidth(2);
    if (!s.axes) {
        m_axePen.setStyle(TPenStyle::Clear);
        m_markPen.setStyle(TPenStyle::Clear);
    }
    m_gridPen.setColor(s.gridColor);
    m_gridPen.setStyle(TPenStyle::Dot);
    m_gridPen.setMode(TPenMode::Mask);
    setDisplayGrid(true);
    setTransparent(false);
}

void TDiagram::setColor(TColor value)
{
    m_color = value;
    Invalidate();
}

void TDiagram::setBrush(const TBrush& value)
{
    AssignBrush(m_brush, value);
}

void TDiagram::setFont(const TFont& value)
{
    m_font.setFont(value.font());
    m_font.setColor(value.color());
}

void TDiagram::setAxePen(const TPen& value)
{
    AssignPen(m_axePen, value);
}

void TDiagram::setMarkPen(const TPen& value)
{
    AssignPen(m_markPen, value);
}

void TDiagram::setGridPen(const TPen& value)
{
    AssignPen(m_gridPen, value);
}

void TDiagram::xRun(TCanvas& canvas, Extended step, int a, int b, RunMode mode,
                    Extended scale) const
{
    if (!UsableStep(XMin(), XMax(), step))
        return;
    const int h = height();
    const int64_t k = RoundEven(XMin() / step);
    // Added up rather than recomputed from k, so the labels show the sums.
    for (Extended value = k * step; value < XMax(); value += step) {
        const int px = ToPixel((value - XMin()) * scale);
        if (mode == RunMode::Text) {
            const QString label = FloatToStr(value);
            canvas.TextOut(px - canvas.TextWidth(label) / 2, h - 1 - a, label);
        } else {
            canvas.MoveTo(px, h - 1 - a);
            canvas.LineTo(px, h - 1 - b);
        }
    }
}

void TDiagram::yRun(TCanvas& canvas, Extended step, int a, int b, RunMode mode,
                    Extended scale) const
{
    if (!UsableStep(YMin(), YMax(), step))
        return;
    const int h = height();
    const int64_t k = RoundEven(YMin() / step);
    for (Extended value = k * step; value < YMax(); value += step) {
        const int py = h - ToPixel((value - YMin()) * scale);
        if (mode == RunMode::Text) {
            const QString label = FloatToStr(value);
            canvas.TextOut(b + 2, py - canvas.TextHeight(label) / 2, label);
        } else {
            canvas.MoveTo(a, py);
            canvas.LineTo(b, py);
        }
    }
}

void TDiagram::DrawAt(int32_t, int32_t, TCanvas& Canvas) const
{
    if (m_ready == 0)
        return;
    const int w = width(), h = height(), as = m_arrowSize;

    if (!m_transparent) {
        Canvas.Brush.setColor(m_color);
        Canvas.Brush.setStyle(TBrushStyle::Solid);
        Canvas.Pen.setStyle(TPenStyle::Clear);
        Canvas.Rectangle(0, 0, w, h);
    }
    AssignBrush(Canvas.Brush, m_brush);

    // Without a usable range there is no scale: the background is all there is.
    if (!UsableRange(XMin(), XMax()) || !UsableRange(YMin(), YMax()))
        return;
    const Extended xScale = w / (XMax() - XMin());
    const Extended yScale = h / (YMax() - YMin());
    const int ox = Origin(w, XMin(), xScale);
    const int oy = Origin(h, YMin(), yScale);

    Canvas.SetBkModeTransparent(true);
    Canvas.Font.setFont(m_font.font());
    Canvas.Font.setColor(m_font.color());

    if (XTextLE() > 0)
        xRun(Canvas, XTextLE(), oy - as, oy + as, RunMode::Text, xScale);
    if (YTextLE() > 0)
        yRun(Canvas, YTextLE(), ox - as, ox + as, RunMode::Text, yScale);

    if (m_displayGrid) {
        AssignPen(Canvas.Pen, m_gridPen);
        if (XGridLE() > 0)
            xRun(Canvas, XGridLE(), 0, h, RunMode::Line, xScale);
        if (YGridLE() > 0)
            yRun(Canvas, YGridLE(), 0, w, RunMode::Line, yScale);
    }

    AssignPen(Canvas.Pen, m_axePen);
    const int ay = h - oy;
    const QPoint horizontal[] = {
        {0, ay}, {w - 1, ay}, {w - 1 - as, ay - as}, {w - 1, ay}, {w - 1 - as, ay + as}};
    Canvas.Polyline(horizontal, 5);
    const QPoint vertical[] = {{ox, h - 1}, {ox, 0}, {ox - as, as}, {ox, 0}, {ox + as, as}};
    Canvas.Polyline(vertical, 5);

    AssignPen(Canvas.Pen, m_markPen);
    Canvas.SetBkModeTransparent(true);
    if (XMarkLE() > 0)
        xRun(Canvas, XMarkLE(), oy - as, oy + as, RunMode::Line, xScale);
    if (YMarkLE() > 0)
        yRun(Canvas, YMarkLE(), ox - as, ox + as, RunMode::Line, yScale);
}
