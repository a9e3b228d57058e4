#include "xshape/XShape.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>
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

using TFormRoutine = void (*)(const TShapeTarget&);

template <const auto& Table, TLetterScheme Scheme> void Labelled(const TShapeTarget& t)
{
    DrawLabelledPolygon(t, Table.data(), static_cast<int>(Table.size()), Scheme);
}

template <const auto& Table> void Polygon(const TShapeTarget& t)
{
    DrawTablePolygon(t, Table.data(), static_cast<int>(Table.size()));
}

template <int Kind> void TextBox(const TShapeTarget& t)
{
    DrawTextBox(t, Kind);
}

template <int Formula> void CellField(const TShapeTarget& t)
{
    DrawCellColourField(t, Formula);
}

template <int Kind> void Shadow(const TShapeTarget& t)
{
    DrawShadowShape(t, Kind);
}

template <int64_t Figure, int64_t Mode> void Raster(const TShapeTarget& t)
{
    DrawRasterShape(t, Figure, Mode);
}

void ScaledRaster(const TShapeTarget& t)
{
    DrawRasterShape(t, RoundToInt64(t.Style.ScaleX), RoundToInt64(t.Style.ScaleY));
}

template <TStripeDirection Direction> void Stripes(const TShapeTarget& t)
{
    DrawStripeField(t, Direction);
}

void Nothing(const TShapeTarget&) {}

struct TFormRow {
    TShapeForm form;
    TFormRoutine draw;
};

using F = TShapeForm;

// One row per form, in the order of TShapeForm.
constexpr std::array<TFormRow, ShapeFormCount> FormRows{{
    {F::srRect, Labelled<ShapeTables::Square, TLetterScheme::Square>},
    {F::srRdRect, Nothing},
    {F::srTriangle, Labelled<ShapeTables::Triangle, TLetterScheme::Triangle>},
    {F::srArrow1, Polygon<ShapeTables::Arrow1>},
    {F::srArrow2, Polygon<ShapeTables::Arrow2>},
    {F::srArrow3, Polygon<ShapeTables::Arrow3>},
    {F::srArrow4, Polygon<ShapeTables::Arrow4>},
    {F::srLine, Labelled<ShapeTables::Line, TLetterScheme::Triangle>},
    {F::stArrowRight, DrawBlockArrow},
    {F::stTextBox, TextBox<0>},
    {F::stRdTextBox, TextBox<1>},
    {F::stTextCircle, TextBox<2>},
    {F::stFloatColorH, CellField<0>},
    {F::stFloatColorV, CellField<1>},
    {F::stFloatColorD, CellField<2>},
    {F::stFloatColorR, CellField<3>},
    {F::stFloatColorA, CellField<4>},
    {F::stFloatColorB, CellField<5>},
    {F::stFloatColorX, CellField<6>},
    {F::stFloatColorS1, CellField<7>},
    {F::stFloatColorS2, CellField<8>},
    {F::stFloatColorS3, CellField<9>},
    {F::stFloatColorS4, CellField<10>},
    {F::stFloatColorS5, CellField<11>},
    {F::shRect, Shadow<1>},
    {F::shRdRect, Shadow<6>},
    {F::shEllipse, Shadow<2>},
    {F::shText, Shadow<3>},
    {F::shText2, Shadow<5>},
    {F::shArrow, Shadow<4>},
    {F::shHugo, DrawHollowEllipse},
    {F::srTriangle2, Labelled<ShapeTables::Triangle2, TLetterScheme::Triangle>},
    {F::trRect1, Raster<0, 1>},
    {F::trRect2, Raster<0, 2>},
    {F::trElli1, Raster<1, 1>},
    {F::trElli2, Raster<1, 2>},
    {F::trScaleForm, ScaledRaster},
    {F::sfHLinear, Stripes<TStripeDirection::Across>},
    {F::sfVLinear, Stripes<TStripeDirection::Down>},
}};

// A row left out leaves a default row (form 0) at the end, which fails too.
constexpr bool EveryFormInPlace()
{
    for (size_t i = 0; i < FormRows.size(); ++i)
        if (static_cast<size_t>(FormRows[i].form) != i)
            return false;
    return true;
}
static_assert(EveryFormInPlace(), "FormRows needs one row per form, in the order of TShapeForm");

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

TShapeStyle TXShape::shapeStyle() const
{
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
    return style;
}

void TXShape::DrawAt(int32_t X, int32_t Y, TCanvas& Canvas) const
{
    // Only a control hidden on purpose; one whose window is not shown yet still draws.
    if (testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden))
        return;

    const TShapeStyle style = shapeStyle();
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
    // A stored value beyond the known forms draws nothing.
    const auto form = static_cast<size_t>(m_shape);
    if (form < FormRows.size())
        FormRows[form].draw(TShapeTarget{style, Canvas, QPoint(0, 0)});
    painter.restore();
}
