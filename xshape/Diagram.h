#pragma once

#include "core/Chart.h"
#include "core/Numbers.h"
#include "xshape/GraphicControl.h"

#include <array>

// A Cartesian coordinate system over the world rectangle XMin..XMax, YMin..YMax:
// background, number labels, grid, two axes with open arrow heads crossing at
// the world origin (clamped to the edges), and tick marks, in that order.
class TDiagram : public TXGraphicBitmap {
    Q_OBJECT
public:
    explicit TDiagram(QWidget* parent = nullptr);

    void DrawAt(int32_t X, int32_t Y, TCanvas& Canvas) const override;
    // Installed as the change notification of the owned pens, brush and font.
    virtual void GraphicChanged();
    virtual QPoint WorldToPixel(Extended X, Extended Y) const;

    // Range, indexed 0..3: XMin, XMax, YMin, YMax. Any value is stored.
    Extended Range(int index) const { return m_range[index]; }
    void setRange(int index, Extended value);
    Extended XMin() const { return m_range[0]; }
    Extended XMax() const { return m_range[1]; }
    Extended YMin() const { return m_range[2]; }
    Extended YMax() const { return m_range[3]; }
    void setXMin(Extended v) { setRange(0, v); }
    void setXMax(Extended v) { setRange(1, v); }
    void setYMin(Extended v) { setRange(2, v); }
    void setYMax(Extended v) { setRange(3, v); }

    // Steps in world units, indexed 0 (x) and 1 (y); 0 switches a run off and a
    // negative value is ignored.
    Extended MarkLE(int index) const { return m_mark[index]; }
    Extended GridLE(int index) const { return m_grid[index]; }
    Extended TextLE(int index) const { return m_text[index]; }
    void setMarkLE(int index, Extended value) { setStep(m_mark, index, value); }
    void setGridLE(int index, Extended value) { setStep(m_grid, index, value); }
    void setTextLE(int index, Extended value) { setStep(m_text, index, value); }
    Extended XMarkLE() const { return m_mark[0]; }
    Extended YMarkLE() const { return m_mark[1]; }
    Extended XGridLE() const { return m_grid[0]; }
    Extended YGridLE() const { return m_grid[1]; }
    Extended XTextLE() const { return m_text[0]; }
    Extended YTextLE() const { return m_text[1]; }
    void setXMarkLE(Extended v) { setMarkLE(0, v); }
    void setYMarkLE(Extended v) { setMarkLE(1, v); }
    void setXGridLE(Extended v) { setGridLE(0, v); }
    void setYGridLE(Extended v) { setGridLE(1, v); }
    void setXTextLE(Extended v) { setTextLE(0, v); }
    void setYTextLE(Extended v) { setTextLE(1, v); }

    int32_t ArrowSize() const { return m_arrowSize; }
    void setArrowSize(int32_t value);
    bool DisplayGrid() const { return m_displayGrid; }
    void setDisplayGrid(bool value);
    // Stored only: takes effect at the next redraw.
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool value) { m_transparent = value; }

    TColor Color() const { return m_color; }
    void setColor(TColor value);
    // Takes the set-up's colour, ranges, steps and grid colour; labels in an
    // 11-pixel sans serif, a dotted grid, axes of width 2 with arrows of 4.
    void SetUp(const ChartSetup& setup);
    int32_t Tag = 0;

    // The owned objects; changing any of their attributes repaints.
    TBrush& Brush() { return m_brush; }
    TFont& Font() { return m_font; }
    TPen& AxePen() { return m_axePen; }
    TPen& MarkPen() { return m_markPen; }
    TPen& GridPen() { return m_gridPen; }
    // Copy all attributes of the given object into the owned one.
    void setBrush(const TBrush& value);
    void setFont(const TFont& value);
    void setAxePen(const TPen& value);
    void setMarkPen(const TPen& value);
    void setGridPen(const TPen& value);

private:
    enum class RunMode { Text, Line };
    void setStep(std::array<Extended, 2>& steps, int index, Extended value);
    void xRun(TCanvas& canvas, Extended step, int a, int b, RunMode mode, Extended scale) const;
    void yRun(TCanvas& canvas, Extended step, int a, int b, RunMode mode, Extended scale) const;

    int32_t m_ready = 0;
    TBrush m_brush;
    TFont m_font;
    std::array<Extended, 4> m_range{};
    std::array<Extended, 2> m_mark{};
    std::array<Extended, 2> m_grid{};
    std::array<Extended, 2> m_text{};
    int32_t m_arrowSize = 0;
    TPen m_axePen;
    TPen m_markPen;
    bool m_displayGrid = false;
    TPen m_gridPen;
    bool m_transparent = false;
    TColor m_color;
};

// Copies every attribute; the target's change notification fires as usual.
void AssignPen(TPen& target, const TPen& source);
void AssignBrush(TBrush& target, const TBrush& source);
