#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

class TDiagram;

// One figure routine drawn alone: its tile, and the same tile before the figure.
struct TRoutineTile {
    QString name;
    QImage ground;
    QImage picture;
};

// Every figure routine of ShapeDraw on a striped ground inside a white margin
// for the letters.
std::vector<TRoutineTile> RoutineTiles();
// The tiles, eight a row.
QImage RoutineSheet(const std::vector<TRoutineTile>& tiles);

// Every form of the shape control, eight a row.
QImage FormSheet();

// The chart exercise's diagram: x -0.2..3, y -10..100 on 407 x 330.
void SetUpChart(TDiagram& d);
// The diagram drawn onto an image of its size filled with under.
QImage RenderDiagram(const TDiagram& d, QColor under = Qt::white);
