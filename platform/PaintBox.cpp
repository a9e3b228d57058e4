#include "platform/PaintBox.h"

#include "platform/Accessible.h"

#include <QPainter>

namespace {
[[maybe_unused]] const bool Role = RegisterAccessible<TPaintBox>(TAccessibleRole::Graphic);
} // namespace

TPaintBox::TPaintBox(QWidget* parent)
    : QWidget(parent)
{}

void TPaintBox::paintEvent(QPaintEvent*)
{
    if (!OnPaint)
        return;
    QPainter p(this);
    TCanvas canvas(p);
    canvas.Font.setFont(font());
    OnPaint(canvas);
}
