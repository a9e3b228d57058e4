#pragma once

#include "platform/Canvas.h"

#include <QSize>
#include <QWidget>

// The figure a TShape draws.
enum class TShapeType { Rectangle, Square, RoundRect, RoundSquare, Ellipse, Circle };

// A rectangle, rounded rectangle or ellipse filling the widget, outlined with
// its pen and filled with its brush; square kinds take the shorter side and sit
// centred. Outside the figure the parent shows through. Changing the kind, the
// pen or the brush repaints.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    TShapeType shape() const { return m_shape; }
    void setShape(TShapeType shape);
    const TPen& pen() const { return m_pen; }
    TPen& pen() { return m_pen; }
    const TBrush& brush() const { return m_brush; }
    TBrush& brush() { return m_brush; }

    // Draws the figure into a box of the given size at the canvas origin.
    static void Draw(TCanvas& canvas, const QSize& size, TShapeType shape, const TPen& pen,
                     const TBrush& brush);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    TShapeType m_shape = TShapeType::Rectangle;
    TPen m_pen;
    TBrush m_brush;
};
