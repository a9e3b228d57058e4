#include "tools/Sheets.h"

#include "core/Diagramm.h"
#include "xshape/Diagram.h"
#include "xshape/ShapeDraw.h"
#include "xshape/XShape.h"

#include <QPainter>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>
#include <vector>

namespace {

using TSetup = std::function<void(TShapeStyle&)>;
using TDraw = std::function<void(const TShapeTarget&)>;

struct TRoutineCell {
    const char* name;
    TSetup setup;
    TDraw draw;
};

void Plain(TShapeStyle&) {}

void Described(TShapeStyle& s)
{
    s.Description = true;
}

TSetup Scaled(Extended x, Extended y, Extended rotation = 0)
{
    return [x, y, rotation](TShapeStyle& s) {
        s.ScaleX = x;
        s.ScaleY = y;
        s.Rotation = rotation;
    };
}

template <size_t N> TDraw Table(const std::array<TUnitPoint, N>& points)
{
    return [&points](const TShapeTarget& t) {
        DrawTablePolygon(t, points.data(), static_cast<int>(N));
    };
}

template <size_t N> TDraw Labelled(const std::array<TUnitPoint, N>& points, TLetterScheme scheme)
{
    return [&points, scheme](const TShapeTarget& t) {
        DrawLabelledPolygon(t, points.data(), static_cast<int>(N), scheme);
    };
}

TDraw TextBox(int kind)
{
    return [kind](const TShapeTarget& t) {
        DrawTextBox(t, kind);
    };
}

// Figures from point tables, plain or with letters at their corners.
std::vector<TRoutineCell> PolygonCells()
{
    using namespace ShapeTables;
    return {
        {"square", [](TShapeStyle& s) { s.Description = s.Lines = true; },
         Labelled(Square, TLetterScheme::Square)},
        {"square turned", Scaled(0.6L, 1, 30), Table(Square)},
        {"triangle", Described, Labelled(Triangle, TLetterScheme::Triangle)},
        {"triangle 2", Described, Labelled(Triangle2, TLetterScheme::Triangle)},
        {"line", Described, Labelled(Line, TLetterScheme::Triangle)},
        {"arrow 1", Plain, Table(Arrow1)},
        {"arrow 2", Plain, Table(Arrow2)},
        {"arrow 3", Plain, Table(Arrow3)},
        {"arrow 4", Plain, Table(Arrow4)},
        {"arrow 2 turned", Scaled(1, 1, 135), Table(Arrow2)},
    };
}

// Block arrows and text boxes.
std::vector<TRoutineCell> BoxCells()
{
    return {
        {"block arrow right", Scaled(20, 10), DrawBlockArrow},
        {"block arrow down", Scaled(10, 20, 90), DrawBlockArrow},
        {"block arrow left", Scaled(20, 10, 180), DrawBlockArrow},
        {"text box", Described, TextBox(0)},
        {"rounded text box",
         [](TShapeStyle& s) {
             s.Description = true;
             s.ScaleX = s.ScaleY = 20;
         },
         TextBox(1)},
        {"text circle", Described, TextBox(2)},
    };
}

// The routines drawn in several kinds: shadows, raster figures, cell colour
// fields and stripes.
void AddKinds(std::vector<TRoutineCell>& all)
{
    for (int kind = 1; kind <= 6; ++kind)
        all.push_back({"shadow", Scaled(5, 5), [kind](const TShapeTarget& t) {
                           DrawShadowShape(t, kind);
                       }});
    all.push_back({"hollow ellipse", Plain, DrawHollowEllipse});
    for (int mode = 0; mode <= 4; ++mode)
        for (int figure : {0, 1, 2})
            all.push_back({"raster", Plain, [figure, mode](const TShapeTarget& t) {
                               DrawRasterShape(t, figure, mode);
                           }});
    const auto field = [](TShapeStyle& s) {
        s.ScaleX = s.ScaleY = 5;
        s.Rotation = 0.3L;
        s.Description = true;
    };
    for (int formula = 0; formula < 12; ++formula)
        all.push_back({"cell field", field, [formula](const TShapeTarget& t) {
                           DrawCellColourField(t, formula);
                       }});
    for (auto direction : {TStripeDirection::Across, TStripeDirection::Down})
        all.push_back({"stripes", Scaled(6, 6), [direction](const TShapeTarget& t) {
                           DrawStripeField(t, direction);
                       }});
}

std::vector<TRoutineCell> RoutineCells()
{
    std::vector<TRoutineCell> all = PolygonCells();
    for (TRoutineCell& cell : BoxCells())
        all.push_back(std::move(cell));
    AddKinds(all);
    return all;
}

} // namespace

std::vector<TRoutineTile> RoutineTiles()
{
    std::vector<TRoutineTile> tiles;
    for (const TRoutineCell& cell : RoutineCells()) {
        TShapeStyle s;
        s.W = 80;
        s.H = 60;
        s.Brush.setColor(0x80E0FF);
        s.Pen.setColor(0x800000);
        s.Color2 = 0x808080;
        s.Caption = QStringLiteral("Preis");
        cell.setup(s);
        QImage tile(s.W + 24, s.H + 32, QImage::Format_ARGB32_Premultiplied);
        tile.fill(Qt::white);
        for (int y = 0; y < s.H; ++y)
            for (int x = 0; x < s.W; ++x)
                tile.setPixel(x + 12, y + 16, (x / 8) % 2 ? qRgb(255, 255, 255) : qRgb(40, 90, 40));
        const QImage ground = tile.copy();
        {
            QPainter painter(&tile);
            painter.translate(12, 16);
            TCanvas canvas(painter);
            canvas.Brush.setStyle(TBrushStyle::Clear);
            canvas.SetBkModeTransparent(true);
            cell.draw(TShapeTarget{s, canvas, QPoint()});
        }
        tiles.push_back({QString::fromLatin1(cell.name), ground, tile});
    }
    return tiles;
}

QImage RoutineSheet(const std::vector<TRoutineTile>& tiles)
{
    constexpr int cellW = 110;
    constexpr int cellH = 100;
    constexpr int columns = 8;
    const int count = static_cast<int>(tiles.size());
    const int rows = (count + columns - 1) / columns;
    QImage image(columns * cellW, rows * cellH, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < count; ++i)
        painter.drawImage(QPoint(i % columns * cellW, i / columns * cellH), tiles[i].picture);
    return image;
}

QImage FormSheet()
{
    constexpr int cell = 96, columns = 8;
    QImage sheet(columns * cell, (ShapeFormCount + columns - 1) / columns * cell,
                 QImage::Format_RGB32);
    sheet.fill(Qt::lightGray);
    QWidget parent;
    for (int f = 0; f < ShapeFormCount; ++f) {
        TXShape shape(&parent);
        shape.setGeometry(8, 8, cell - 16, cell - 16);
        shape.setShape(static_cast<TShapeForm>(f));
        shape.Brush().setColor(0x80FF80);
        shape.setColor2(0x0080FF);
        shape.Pen().setColor(clr::Navy);
        shape.setDescription(true);
        shape.setLines(true);
        shape.setCaption(QStringLiteral("Text"));
        if (f >= static_cast<int>(TShapeForm::stFloatColorH) &&
            f <= static_cast<int>(TShapeForm::stFloatColorS5)) {
            shape.setScaleX(6);
            shape.setScaleY(6);
            shape.setCaption(QString());
        } else if (f >= static_cast<int>(TShapeForm::shRect) &&
                   f <= static_cast<int>(TShapeForm::shArrow)) {
            shape.setScaleX(4);
            shape.setScaleY(4);
        } else if (f == static_cast<int>(TShapeForm::stArrowRight)) {
            shape.setScaleX(30);
            shape.setScaleY(20);
        } else if (f != static_cast<int>(TShapeForm::trScaleForm) &&
                   f < static_cast<int>(TShapeForm::sfHLinear)) {
            shape.setScaleX(0.7L);
            shape.setScaleY(0.7L);
        } else if (f >= static_cast<int>(TShapeForm::sfHLinear)) {
            shape.setScaleX(6);
            shape.setScaleY(6);
        }
        QPainter painter(&sheet);
        TCanvas canvas(painter);
        shape.DrawAt((f % columns) * cell + 8, (f / columns) * cell + 8, canvas);
    }
    return sheet;
}

void SetUpChart(TDiagram& d)
{
    d.setWidth(407);
    d.setHeight(330);
    d.SetUp(diagramm::Chart);
}

QImage RenderDiagram(const TDiagram& d, QColor under)
{
    QImage image(d.size(), QImage::Format_RGB32);
    image.fill(under);
    QPainter p(&image);
    TCanvas canvas(p);
    d.DrawAt(0, 0, canvas);
    return image;
}
