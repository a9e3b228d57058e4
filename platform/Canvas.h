#pragma once

#include "core/Color.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <functional>

QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);

enum class TPenStyle { Solid, Dash, Dot, DashDot, Clear };
enum class TPenMode { Copy, Xor, Mask, Not };
enum class TBrushStyle { Solid, Clear };

// How CopyImage combines source and destination pixels. PatPaint is
// destination OR brush colour OR NOT source.
enum class TCopyMode { SrcCopy, SrcInvert, SrcAnd, SrcPaint, SrcErase, PatPaint };

// Pen, brush and font notify their owner through onChange whenever a property changes.
class TPen {
public:
    TColor color() const { return m_color; }
    int width() const { return m_width; }
    TPenStyle style() const { return m_style; }
    TPenMode mode() const { return m_mode; }
    void setColor(TColor c) { set(m_color, c); }
    void setWidth(int w) { set(m_width, w < 1 ? 1 : w); }
    void setStyle(TPenStyle s) { set(m_style, s); }
    void setMode(TPenMode m) { set(m_mode, m); }
    // Takes over the other pen's attributes, not its owner's notification.
    void Assign(const TPen& other)
    {
        setColor(other.m_color);
        setWidth(other.m_width);
        setStyle(other.m_style);
        setMode(other.m_mode);
    }
    std::function<void()> onChange;

private:
    template <class T> void set(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        if (onChange)
            onChange();
    }
    TColor m_color = clr::Black;
    int m_width = 1;
    TPenStyle m_style = TPenStyle::Solid;
    TPenMode m_mode = TPenMode::Copy;
};

class TBrush {
public:
    TColor color() const { return m_color; }
    TBrushStyle style() const { return m_style; }
    void setColor(TColor c)
    {
        if (m_color == c)
            return;
        m_color = c;
        changed();
    }
    void setStyle(TBrushStyle s)
    {
        if (m_style == s)
            return;
        m_style = s;
        changed();
    }
    // Takes over the other brush's attributes, not its owner's notification.
    void Assign(const TBrush& other)
    {
        setColor(other.m_color);
        setStyle(other.m_style);
    }
    std::function<void()> onChange;

private:
    void changed()
    {
        if (onChange)
            onChange();
    }
    TColor m_color = clr::White;
    TBrushStyle m_style = TBrushStyle::Solid;
};

class TFont {
public:
    TFont();
    const QFont& font() const { return m_font; }
    TColor color() const { return m_color; }
    void setFont(const QFont& f);
    void setColor(TColor c);
    void setPixelSize(int px);
    void setBold(bool b);
    // Takes over the other font's attributes, not its owner's notification.
    void Assign(const TFont& other);
    std::function<void()> onChange;

private:
    void changed()
    {
        if (onChange)
            onChange();
    }
    QFont m_font;
    TColor m_color = clr::Black;
};

// A painter wrapper with the classic canvas conventions: Rectangle, Ellipse and
// RoundRect leave out the right and bottom edge of their box, LineTo leaves out
// its end pixel, TextOut places the text cell's top-left corner. Painting is
// aliased so that pixels are exact.
class TCanvas {
public:
    explicit TCanvas(QPainter& painter);

    TPen Pen;
    TBrush Brush;
    TFont Font;

    QPainter& painter() { return m_painter; }

    // Transparent text background (true) or filled with the brush colour.
    void SetBkModeTransparent(bool transparent) { m_transparentText = transparent; }

    QPoint PenPos() const { return m_penPos; }
    void MoveTo(int x, int y) { m_penPos = QPoint(x, y); }
    void LineTo(int x, int y);
    void Polyline(const QPoint* points, int count);
    void Polygon(const QPoint* points, int count);

    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
    // A filled sector of the ellipse in the box x1, y1, x2, y2 (as Ellipse). The
    // rays from the box centre through (x3, y3) and (x4, y4) give its start and
    // end; it runs counter-clockwise on the screen. The same ray twice gives the
    // whole ellipse.
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Fills x1..x2-1, y1..y2-1 with the brush, no outline.
    void FillRect(const QRect& r);
    void FillRect(int x1, int y1, int x2, int y2)
    {
        FillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
    }

    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;

    void Draw(int x, int y, const QImage& image);
    void StretchDraw(const QRect& r, const QImage& image);
    // Combines the image with the canvas at (x, y) pixel by pixel. PatPaint
    // takes the canvas brush as its pattern; a clear brush adds nothing.
    void CopyImage(int x, int y, const QImage& image, TCopyMode mode);

private:
    void applyPen();
    void applyBrush();
    void drawThinLine(QPoint from, QPoint to);
    QPen qPen() const;

    QPainter& m_painter;
    QPoint m_penPos;
    bool m_transparentText = false;
};

// A vertical gradient in horizontal bands of height b (at least 3): n = rounded(h / b),
// bands 0..n from startColor to endColor, each one row taller so they meet.
void FillGradient(TCanvas& canvas, TColor startColor, TColor endColor, int width, int height,
                  int bandHeight);
