#include "platform/Shape.h"

#include "platform/Accessible.h"

#include <QPainter>

#include <algorithm>

namespace {
[[maybe_unused]] const bool Role = RegisterAccessible<TShape>(TAccessibleRole::Graphic);
} // namespace

TShape::TShape(QWidget* parent)
    : QWidget(parent)
{
    m_pen.onChange = [this] {
        update();
    };
    m_brush.onChange = [this] {
        update();
    };
}

void TShape::setShape(TShapeType shape)
{
    if (m_shape == shape)
        return;
    m_shape = shape;
    update();
}

void TShape::Draw(TCanvas& canvas, const QSize& size, TShapeType shape, const TPen& pen,
                  const TBrush& brush)
{
    canvas.Pen.setColor(pen.color());
    canvas.Pen.setWidth(pen.width());
    canvas.Pen.setStyle(pen.style());
    canvas.Pen.setMode(pen.mode());
    canvas.Brush.setColor(brush.color());
    canvas.Brush.setStyle(brush.style());

    // A wide pen is centred on the outline, so the box shrinks by the pen's
    // width less one and moves in by half of it: the outline stays inside.
    const int penWidth = pen.width();
    int x = penWidth / 2;
    int y = x;
    int w = size.width() - penWidth + 1;
    int h = size.height() - penWidth + 1;
    const int side = std::min(w, h);
    const bool square = shape == TShapeType::Square || shape == TShapeType::RoundSquare ||
                        shape == TShapeType::Circle;
    if (square) {
        x += (w - side) / 2;
        y += (h - side) / 2;
        w = side;
        h = side;
    }
    switch (shape) {
    case TShapeType::Rectangle:
    case TShapeType::Square:
        canvas.Rectangle(x, y, x + w, y + h);
        break;
    case TShapeType::RoundRect:
    case TShapeType::RoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, side / 4, side / 4);
        break;
    case TShapeType::Ellipse:
    case TShapeType::Circle:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    }
}

void TShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    TCanvas canvas(p);
    Draw(canvas, size(), m_shape, m_pen, m_brush);
}
