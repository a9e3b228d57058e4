#pragma once

#include "core/Numbers.h"
#include "platform/Canvas.h"
#include "xshape/GraphicControl.h"
#include "xshape/ShapeDraw.h"

#include <QString>

#include <cstdint>
#include <functional>

// The stored value of a form is its position in this list.
enum class TShapeForm : uint8_t {
    srRect,
    srRdRect,
    srTriangle,
    srArrow1,
    srArrow2,
    srArrow3,
    srArrow4,
    srLine,
    stArrowRight,
    stTextBox,
    stRdTextBox,
    stTextCircle,
    stFloatColorH,
    stFloatColorV,
    stFloatColorD,
    stFloatColorR,
    stFloatColorA,
    stFloatColorB,
    stFloatColorX,
    stFloatColorS1,
    stFloatColorS2,
    stFloatColorS3,
    stFloatColorS4,
    stFloatColorS5,
    shRect,
    shRdRect,
    shEllipse,
    shText,
    shText2,
    shArrow,
    shHugo,
    srTriangle2,
    trRect1,
    trRect2,
    trElli1,
    trElli2,
    trScaleForm,
    sfHLinear,
    sfVLinear,
};
inline constexpr int ShapeFormCount = 39;

// A windowless control drawing one figure of TShapeForm, turned by Rotation and
// stretched by ScaleX/ScaleY. Where it draws nothing the parent shows through.
class TXShape : public TXGraphicControl {
    Q_OBJECT
public:
    explicit TXShape(QWidget* parent = nullptr);

    void DrawAt(int32_t X, int32_t Y, TCanvas& Canvas) const override;
    // Installed as the change notification of the owned pen, brush and font.
    void StyleChanged();

    TShapeForm Shape() const { return m_shape; }
    void setShape(TShapeForm value);
    TColor Color2() const { return m_color2; }
    void setColor2(TColor value);
    Extended Rotation() const { return m_rotation; }
    void setRotation(Extended value);
    Extended ScaleX() const { return m_scaleX; }
    void setScaleX(Extended value);
    Extended ScaleY() const { return m_scaleY; }
    void setScaleY(Extended value);
    bool Invariant() const { return m_invariant; }
    void setInvariant(bool value);
    bool Description() const { return m_description; }
    void setDescription(bool value);
    bool Lines() const { return m_lines; }
    void setLines(bool value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& value);
    // On: captions use the owner window's font; changing Font switches it off.
    bool ParentFont() const { return m_parentFont; }
    void setParentFont(bool value);

    // Changed in place; every change repaints.
    TBrush& Brush() { return m_brush; }
    TPen& Pen() { return m_pen; }
    TFont& Font() { return m_font; }
    void setBrush(const TBrush& value) { m_brush.Assign(value); }
    void setPen(const TPen& value) { m_pen.Assign(value); }
    void setFont(const TFont& value);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void changed();
    // The properties as the figure routines read them, captions in the current font.
    TShapeStyle shapeStyle() const;

    TShapeForm m_shape = TShapeForm::srRect;
    TBrush m_brush;
    TPen m_pen;
    TFont m_font;
    TColor m_color2 = clr::Black;
    Extended m_rotation = 0;
    Extended m_scaleX = 1;
    Extended m_scaleY = 1;
    bool m_invariant = false;
    bool m_description = false;
    bool m_lines = false;
    bool m_parentFont = true;
    QString m_caption;
};
