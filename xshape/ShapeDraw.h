#pragma once

#include "core/Numbers.h"
#include "platform/Canvas.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

// Figure routines of the shape control, callable without a widget. Each draws
// one figure from the shape's properties onto a canvas.

// A point in unit coordinates: (0, 0) is the centre of the shape, +-0.5 reach
// its edges, u runs to the right and v downwards.
struct TUnitPoint {
    Extended u;
    Extended v;
};

namespace ShapeTables {
inline constexpr std::array<TUnitPoint, 4> Square{
    {{-0.5L, -0.5L}, {-0.5L, 0.5L}, {0.5L, 0.5L}, {0.5L, -0.5L}}};
inline constexpr std::array<TUnitPoint, 3> Triangle{{{-0.5L, -0.5L}, {-0.5L, 0.5L}, {0.5L, 0.5L}}};
inline constexpr std::array<TUnitPoint, 3> Triangle2{{{-0.5L, -0.5L}, {0.5L, 0.5L}, {0.5L, -0.5L}}};
inline constexpr std::array<TUnitPoint, 2> Line{{{-0.5L, 0}, {0.5L, 0}}};
// A shaft with a small head at the right end.
inline constexpr std::array<TUnitPoint, 5> Arrow1{
    {{-0.5L, 0}, {0.5L, 0}, {0.45L, -0.05L}, {0.45L, 0.05L}, {0.5L, 0}}};
// A block arrow pointing right.
inline constexpr std::array<TUnitPoint, 7> Arrow2{{{-0.5L, -0.3L},
                                                   {0.1L, -0.3L},
                                                   {0.1L, -0.5L},
                                                   {0.5L, 0},
                                                   {0.1L, 0.5L},
                                                   {0.1L, 0.3L},
                                                   {-0.5L, 0.3L}}};
// A shaft with a head at each end.
inline constexpr std::array<TUnitPoint, 8> Arrow3{{{-0.5L, 0},
                                                   {-0.45L, -0.05L},
                                                   {-0.45L, 0.05L},
                                                   {-0.5L, 0},
                                                   {0.5L, 0},
                                                   {0.45L, -0.05L},
                                                   {0.45L, 0.05L},
                                                   {0.5L, 0}}};
// A block arrow with a head at each end.
inline constexpr std::array<TUnitPoint, 10> Arrow4{{{-0.5L, 0},
                                                    {-0.3L, -0.5L},
                                                    {-0.3L, -0.3L},
                                                    {0.3L, -0.3L},
                                                    {0.3L, -0.5L},
                                                    {0.5L, 0},
                                                    {0.3L, 0.5L},
                                                    {0.3L, 0.3L},
                                                    {-0.3L, 0.3L},
                                                    {-0.3L, 0.5L}}};
} // namespace ShapeTables

// The shape's properties as the figure routines read them.
struct TShapeStyle {
    int W = 65;
    int H = 65;
    TBrush Brush;
    TPen Pen;
    TFont Font;
    TColor Color2 = clr::Black;
    Extended Rotation = 0; // degrees, clockwise on screen
    Extended ScaleX = 1;   // stretches the vertical table coordinate
    Extended ScaleY = 1;   // stretches the horizontal table coordinate
    bool Invariant = false;
    bool Description = false;
    bool Lines = false;
    QString Caption;
};

// Where a figure goes: the target canvas, the origin (used only by
// TransformPoint) and the shape's own canvas, which DrawBlockArrow draws on
// (the target when null).
struct TShapeTarget {
    const TShapeStyle& Style;
    TCanvas& Canvas;
    QPoint Origin{0, 0};
    TCanvas* OwnCanvas = nullptr;
};

enum class TLetterScheme {
    Square,  // corners A to D, sides a to d
    Triangle // corners B, C, A
};

// A unit point to a pixel, turned by Rotation about the shape's centre.
QPoint TransformPoint(const TShapeTarget& t, TUnitPoint p);

// One closed polygon through the transformed table points, in Pen and Brush.
// A two-point table draws a line.
void DrawTablePolygon(const TShapeTarget& t, const TUnitPoint* table, int count);

// The polygon with corner letters (Description) and, for the square, side
// letters (Lines), written before the figure is filled. Corners beyond the
// table get no letter: the line form is labelled "B" and "C" only.
void DrawLabelledPolygon(const TShapeTarget& t, const TUnitPoint* table, int count,
                         TLetterScheme scheme);

// One letter just outside the corner at (x, y), away from the centre.
void DrawCornerLabel(const TShapeTarget& t, int x, int y, const QString& text);

// Caption as one line centred in r, unclipped, in the canvas font.
void DrawCentredCaption(TCanvas& canvas, const QRect& r, const QString& caption);

// Kind 0 rectangle, 1 rounded rectangle, 2 ellipse; caption when Description.
void DrawTextBox(const TShapeTarget& t, int kind);

// Kinds 1 to 6: rectangle, ellipse, text, arrow, centred text, rounded
// rectangle, each over a shadow in Color2 offset by (ScaleX, ScaleY).
void DrawShadowShape(const TShapeTarget& t, int kind);

// An ellipse outline in the canvas pen; nothing filled.
void DrawHollowEllipse(const TShapeTarget& t);

// A block arrow pointing right, down or left by Rotation.
void DrawBlockArrow(const TShapeTarget& t);

// Figure 0 rectangle, 1 ellipse, else a diamond on a Color2 ground, combined
// with the canvas by mode: 0 XOR, 1 AND, 2 OR, 3 source AND NOT destination,
// else destination OR brush OR NOT source.
void DrawRasterShape(const TShapeTarget& t, int64_t figure, int64_t mode);

// A field of ScaleX x ScaleY cells (at least 2 x 2) blending the brush colour
// into Color2 by formula 0 to 11 of the cell position; with Invariant, a
// random dither of the two colours instead. Returns true when the canvas holds
// 4 bits per pixel or fewer: then it dithers as well.
bool DrawCellColourField(const TShapeTarget& t, int formula);

// Stripes at least 3 pixels wide from the brush colour to Color2: vertical
// stripes across the width (ScaleX wide), or horizontal ones down the height
// (ScaleY high). A shape narrower than half a stripe shows one stripe in the
// brush colour.
enum class TStripeDirection { Across, Down };
void DrawStripeField(const TShapeTarget& t, TStripeDirection direction);
