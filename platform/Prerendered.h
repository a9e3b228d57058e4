#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// An SVG resource at the root (":/NAME.svg") as drawn at build time at this
// size (resources/CMakeLists.txt: antialiased, stretched to the size, on
// transparent), or a null image where it was not: then the caller draws it.
QImage PrerenderedSvg(const QString& svgResource, const QSize& size);
