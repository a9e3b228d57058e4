#include "xshape/XShape.h"

#include "xshape/ShapeDraw.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Figure and mode numbers of trScaleForm come from the scale factors.
int64_t RoundToInt64(Extended v)
{
    if (!std::isfinite(v))
        return 0;
    constexpr Extended limit = 1e15L;
    return static_cast<int64_t>(RoundEven(std::clamp(v, -limit, limit)));
}

} // namespace

TXShape::TXShape(QWidget* parent)
    : TXGraphicControl(parent)
{
    resize(65, 65);
    m_brush.onChange = [this] {
        StyleChanged();
    };
    m_pen.onChange = [this] {
        StyleChanged();
    };
    m_font.onChange = [this] {
        m_parentFont = false;
        StyleChanged();
    };
}

void TXShape::StyleChanged()
{
    update();
}

void TXShape::changed()
{
    update();
}

void TXShape::setShape(TShapeForm value)
{
    m_shape = value;
    changed();
}

void TXShape::setColor2(TColor value)
{
    m_color2 = value;
    changed();
}

void TXShape::setRotation(Extended value)
{
    m_rotation = value;
    changed();
}

void TXShape::setScaleX(Extended value)
{
    m_scaleX = value;
    changed();
}

void TXShape::setScaleY(Extended value)
{
    m_scaleY = value;
    changed();
}

void TXShape::setInvariant(bool value)
{
    m_invariant = value;
    changed();
}

void TXShape::setDescription(bool value)
{
    m_description = value;
    changed();
}

void TXShape::setLines(bool value)
{
    m_lines = value;
    changed();
}

void TXShape::setCaption(const QString& value)
{
    m_caption = value;
    changed();
}

void TXShape::setParentFont(bool value)
{
    m_parentFont = value;
    changed();
}

void TXShape::setFont(const TFont& value)
{
    m_font.Assign(value);
    changed();
}

void TXShape::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick();
}

void TXShape::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && OnDblClick)
        OnDblClick();
}

void TXShape::DrawAt(int32_t X, int32_t Y, TCanvas& Canvas) const
{
    // Only a control hidden on purpose; one whose window is not shown yet still draws.
    if (testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden))
        return;

    TShapeStyle style;
    style.W = width();
    style.H = height();
    style.Brush.Assign(m_brush);
    style.Pen.Assign(m_pen);
    style.Color2 = m_color2;
    style.Rotation = m_rotation;
    style.ScaleX = m_scaleX;
    style.ScaleY = m_scaleY;
    style.Invariant = m_invariant;
    style.Description = m_description;
    style.Lines = m_lines;
    style.Caption = m_caption;
    if (m_parentFont) {
        style.Font.setFont(window()->font());
        style.Font.setColor(FromQColor(window()->palette().color(QPalette::WindowText)));
    } else {
        style.Font.Assign(m_font);
    }
    Canvas.Font.Assign(style.Font);
    Canvas.Brush.setStyle(TBrushStyle::Clear);
    Canvas.SetBkModeTransparent(true);

    // The colour fields draw from (0, 0): the whole figure is moved instead.
    QPainter& painter = Canvas.painter();
    painter.save();
    painter.translate(X, Y);
    // Cell fields run one cell past the edges; a parent's canvas must not show that.
    painter.setClipRect(QRect(0, 0, width(), height()),
                        painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const TShapeTarget t{style, Canvas, QPoint(0, 0)};
    using namespace ShapeTables;
    const auto labelled = [&t](const auto& table, TLetterScheme scheme) {
        DrawLabelledPolygon(t, table.data(), static_cast<int>(table.size()), scheme);
    };
    const auto polygon = [&t](const auto& table) {
        DrawTablePolygon(t, table.data(), static_cast<int>(table.size()));
    };
    const int form = static_cast<int>(m_shape);
    switch (m_shape) {
    case TShapeForm::srRect:
        labelled(Square, TLetterScheme::Square);
        break;
    case TShapeForm::srRdRect:
        break;
    case TShapeForm::srTriangle:
        labelled(Triangle, TLetterScheme::Triangle);
        break;
    case TShapeForm::srTriangle2:
        labelled(Triangle2, TLetterScheme::Triangle);
        break;
    case TShapeForm::srArrow1:
        polygon(Arrow1);
        break;
    case TShapeForm::srArrow2:
        polygon(Arrow2);
        break;
    case TShapeForm::srArrow3:
        polygon(Arrow3);
        break;
    case TShapeForm::srArrow4:
        polygon(Arrow4);
        break;
    case TShapeForm::srLine:
        labelled(Line, TLetterScheme::Triangle);
        break;
    case TShapeForm::stArrowRight:
        DrawBlockArrow(t);
        break;
    case TShapeForm::stTextBox:
    case TShapeForm::stRdTextBox:
    case TShapeForm::stTextCircle:
        DrawTextBox(t, form - static_cast<int>(TShapeForm::stTextBox));
        break;
    case TShapeForm::stFloatColorH:
    case TShapeForm::stFloatColorV:
    case TShapeForm::stFloatColorD:
    case TShapeForm::stFloatColorR:
    case TShapeForm::stFloatColorA:
    case TShapeForm::stFloatColorB:
    case TShapeForm::stFloatColorX:
    case TShapeForm::stFloatColorS1:
    case TShapeForm::stFloatColorS2:
    case TShapeForm::stFloatColorS3:
    case TShapeForm::stFloatColorS4:
    case TShapeForm::stFloatColorS5:
        DrawCellColourField(t, form - static_cast<int>(TShapeForm::stFloatColorH));
        break;
    case TShapeForm::shRect:
        DrawShadowShape(t, 1);
        break;
    case TShapeForm::shEllipse:
        DrawShadowShape(t, 2);
        break;
    case TShapeForm::shText:
        DrawShadowShape(t, 3);
        break;
    case TShapeForm::shArrow:
        DrawShadowShape(t, 4);
        break;
    case TShapeForm::shText2:
        DrawShadowShape(t, 5);
        break;
    case TShapeForm::shRdRect:
        DrawShadowShape(t, 6);
        break;
    case TShapeForm::shHugo:
        DrawHollowEllipse(t);
        break;
    case TShapeForm::trRect1:
        DrawRasterShape(t, 0, 1);
        break;
    case TShapeForm::trRect2:
        DrawRasterShape(t, 0, 2);
        break;
    case TShapeForm::trElli1:
        DrawRasterShape(t, 1, 1);
        break;
    case TShapeForm::trElli2:
        DrawRasterShape(t, 1, 2);
        break;
    case TShapeForm::trScaleForm:
        DrawRasterShape(t, RoundToInt64(m_scaleX), RoundToInt64(m_scaleY));
        break;
    case TShapeForm::sfHLinear:
        DrawStripeField(t, TStripeDirection::Across);
        break;
    case TShapeForm::sfVLinear:
        DrawStripeField(t, TStripeDirection::Down);
        break;
    }
    painter.restore();
}
