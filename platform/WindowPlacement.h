#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Centres a top-level window's outer frame on the available screen area, and
// again by its final size and frame once these are known.
void CenterOnScreen(QWidget* window);

// Sets a top-level window's outer (frame) geometry, and keeps it when the
// frame around the window changes later; the inside stays at least leastClient.
void SetOuterGeometry(QWidget* window, const QRect& outer, const QSize& leastClient = QSize());

// Where a window pair (a strip and the window directly below it, together
// `pair`) goes so that it lies within `available`: moved as little as
// possible, the top-left corner winning where the pair is larger than the area.
QPoint FitPair(const QRect& pair, const QRect& available);
