#include "platform/Canvas.h"

#include "core/Numbers.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygonF>
#include <QVarLengthArray>

#include <cmath>
#include <cstdlib>

QColor ToQColor(TColor c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor FromQColor(const QColor& c)
{
    return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 |
           static_cast<TColor>(c.blue()) << 16;
}

TFont::TFont()
{
    m_font = QFont(QStringLiteral("Tahoma"));
    m_font.setPixelSize(13);
}

void TFont::setFont(const QFont& f)
{
    m_font = f;
    changed();
}

void TFont::Assign(const TFont& other)
{
    if (m_font == other.m_font && m_color == other.m_color)
        return;
    m_font = other.m_font;
    m_color = other.m_color;
    changed();
}

void TFont::setColor(TColor c)
{
    if (m_color == c)
        return;
    m_color = c;
    changed();
}

void TFont::setPixelSize(int px)
{
    m_font.setPixelSize(px);
    changed();
}

void TFont::setBold(bool b)
{
    m_font.setBold(b);
    changed();
}

TCanvas::TCanvas(QPainter& painter)
    : m_painter(painter)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, false);
}

QPen TCanvas::qPen() const
{
    if (Pen.style() == TPenStyle::Clear)
        return QPen(Qt::NoPen);
    QPen pen(ToQColor(Pen.color()));
    if (Pen.width() <= 1) {
        // A flat cap on a one-pixel aliased line leaves out the end pixel.
        pen.setWidth(1);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setWidth(Pen.width());
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    switch (Pen.style()) {
    case TPenStyle::Dash:
        pen.setStyle(Qt::DashLine);
        break;
    case TPenStyle::Dot:
        pen.setStyle(Qt::DotLine);
        break;
    case TPenStyle::DashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    default:
        break;
    }
    return pen;
}

void TCanvas::applyPen()
{
    m_painter.setPen(qPen());
    switch (Pen.mode()) {
    case TPenMode::Copy:
        m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case TPenMode::Xor:
        m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    case TPenMode::Mask:
        m_painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case TPenMode::Not:
        m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        break;
    }
}

void TCanvas::applyBrush()
{
    if (Brush.style() == TBrushStyle::Clear)
        m_painter.setBrush(Qt::NoBrush);
    else
        m_painter.setBrush(ToQColor(Brush.color()));
}

void TCanvas::LineTo(int x, int y)
{
    applyPen();
    const QPoint to(x, y);
    if (to != m_penPos) {
        // Far-off coordinates would overflow the error term; Qt clips those itself.
        const bool near = std::abs(int64_t(to.x()) - m_penPos.x()) < (1 << 20) &&
                          std::abs(int64_t(to.y()) - m_penPos.y()) < (1 << 20);
        if (Pen.width() <= 1 && Pen.style() == TPenStyle::Solid && near)
            drawThinLine(m_penPos, to);
        else
            m_painter.drawLine(m_penPos, to);
    }
    m_penPos = to;
}

void TCanvas::drawThinLine(QPoint from, QPoint to)
{
    // Bresenham from the start point, leaving out the end point whichever way
    // the line runs (Qt's own flat cap drops the pixel at the right or bottom end).
    int x = from.x();
    int y = from.y();
    const int dx = std::abs(to.x() - x);
    const int dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1;
    const int sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    QVarLengthArray<QPoint, 256> points;
    while (x != to.x() || y != to.y()) {
        points.append(QPoint(x, y));
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    m_painter.drawPoints(points.constData(), static_cast<int>(points.size()));
}

void TCanvas::Polyline(const QPoint* points, int count)
{
    if (count < 2)
        return;
    MoveTo(points[0].x(), points[0].y());
    for (int i = 1; i < count; ++i)
        LineTo(points[i].x(), points[i].y());
}

void TCanvas::Polygon(const QPoint* points, int count)
{
    applyPen();
    applyBrush();
    m_painter.drawPolygon(points, count);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    applyPen();
    applyBrush();
    if (Pen.style() == TPenStyle::Clear) {
        // Without outline the fill covers one row and column less.
        if (Brush.style() != TBrushStyle::Clear && x2 - x1 > 1 && y2 - y1 > 1)
            m_painter.fillRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), ToQColor(Brush.color()));
        return;
    }
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    m_painter.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    applyPen();
    applyBrush();
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    m_painter.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h)
{
    applyPen();
    applyBrush();
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    m_painter.drawRoundedRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1), w / 2.0, h / 2.0);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    applyPen();
    applyBrush();
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    const QRect box(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    // A ray meets the ellipse at the angle of its direction scaled to the unit
    // circle. Screen y grows downwards; angles grow counter-clockwise.
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    const double rx = (x2 - x1) / 2.0;
    const double ry = (y2 - y1) / 2.0;
    const double start = std::atan2((cy - y3) / ry, (x3 - cx) / rx);
    double span = std::atan2((cy - y4) / ry, (x4 - cx) / rx) - start;
    constexpr double turn = 2 * 3.14159265358979323846;
    if (span <= 0)
        span += turn;
    if (span >= turn) {
        m_painter.drawEllipse(box);
        return;
    }
    // The ellipse itself, cut to a wedge around the sector, so that the rim has
    // exactly the pixels of Ellipse; then the two radii.
    const QRectF outline(box);
    const QPointF centre = outline.center();
    const auto rim = [&](double t, double scale) {
        return centre + QPointF(scale * outline.width() / 2 * std::cos(t),
                                -scale * outline.height() / 2 * std::sin(t));
    };
    QPolygonF wedge{centre};
    const int steps = static_cast<int>(std::ceil(span / (turn / 12)));
    for (int k = 0; k <= steps; ++k)
        wedge << rim(start + span * k / steps, 4);
    QPainterPath clip;
    clip.addPolygon(wedge);
    m_painter.save();
    m_painter.setClipPath(clip, m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    m_painter.drawEllipse(box);
    m_painter.restore();
    m_painter.drawLine(QLineF(centre, rim(start, 1)));
    m_painter.drawLine(QLineF(centre, rim(start + span, 1)));
}

void TCanvas::FillRect(const QRect& r)
{
    if (Brush.style() == TBrushStyle::Clear)
        return;
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.fillRect(r, ToQColor(Brush.color()));
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setFont(Font.font());
    const QFontMetrics fm(Font.font());
    if (!m_transparentText && Brush.style() != TBrushStyle::Clear)
        m_painter.fillRect(QRect(x, y, fm.horizontalAdvance(text), fm.height()),
                           ToQColor(Brush.color()));
    m_painter.setPen(ToQColor(Font.color()));
    m_painter.drawText(QPoint(x, y + fm.ascent()), text);
}

int TCanvas::TextWidth(const QString& text) const
{
    return QFontMetrics(Font.font()).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const
{
    return QFontMetrics(Font.font()).height();
}

void TCanvas::Draw(int x, int y, const QImage& image)
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.drawImage(QPoint(x, y), image);
}

void TCanvas::CopyImage(int x, int y, const QImage& image, TCopyMode mode)
{
    QImage source = image.convertToFormat(QImage::Format_RGB32);
    QPainter::CompositionMode op = QPainter::CompositionMode_SourceOver;
    switch (mode) {
    case TCopyMode::SrcCopy:
        break;
    case TCopyMode::SrcInvert:
        op = QPainter::RasterOp_SourceXorDestination;
        break;
    case TCopyMode::SrcAnd:
        op = QPainter::RasterOp_SourceAndDestination;
        break;
    case TCopyMode::SrcPaint:
        op = QPainter::RasterOp_SourceOrDestination;
        break;
    case TCopyMode::SrcErase:
        op = QPainter::RasterOp_SourceAndNotDestination;
        break;
    case TCopyMode::PatPaint: {
        // Three operands: the brush goes into the inverted source first.
        source.invertPixels();
        if (Brush.style() != TBrushStyle::Clear) {
            QPainter p(&source);
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            p.fillRect(source.rect(), ToQColor(Brush.color()));
        }
        op = QPainter::RasterOp_SourceOrDestination;
        break;
    }
    }
    m_painter.setCompositionMode(op);
    m_painter.drawImage(QPoint(x, y), source);
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TCanvas::StretchDraw(const QRect& r, const QImage& image)
{
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.drawImage(r, image);
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
