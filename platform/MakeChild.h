#pragma once

#include <QLatin1String>
#include <QWidget>

#include <utility>

// Creates a child widget with its object name and geometry.
template <class W, class... Args>
W* MakeChild(QWidget* parent, const char* name, int left, int top, int width, int height,
             Args&&... args)
{
    auto* w = new W(std::forward<Args>(args)..., parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(left, top, width, height);
    return w;
}
