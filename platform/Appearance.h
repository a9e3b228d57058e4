#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// A font of the family at a size in pixels: layouts are in pixels.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false);

// Sets the colour a widget fills its background with, where it fills it.
void SetWindowColor(QWidget* widget, const QColor& color);
