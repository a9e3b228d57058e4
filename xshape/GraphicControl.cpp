#include "xshape/GraphicControl.h"

#include "platform/Accessible.h"

#include <QPaintEvent>
#include <QPainter>

namespace {
[[maybe_unused]] const bool Role = RegisterAccessible<TXGraphicControl>(TAccessibleRole::Graphic);
} // namespace

TXGraphicControl::TXGraphicControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TXGraphicControl::DrawOn(TCanvas& Canvas) const
{
    DrawAt(x(), y(), Canvas);
}

void TXGraphicControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    TCanvas canvas(p);
    canvas.Font.setFont(font());
    DrawAt(0, 0, canvas);
}

TXGraphicBitmap::TXGraphicBitmap(QWidget* parent)
    : TXGraphicControl(parent)
{
    resizeBuffer();
}

void TXGraphicBitmap::resizeBuffer()
{
    const QSize s(std::max(width(), 0), std::max(height(), 0));
    if (m_buffer.size() != s)
        m_buffer = QImage(s, QImage::Format_ARGB32_Premultiplied);
}

void TXGraphicBitmap::Invalidate()
{
    resizeBuffer();
    m_bufferDirty = true;
    update();
}

void TXGraphicBitmap::setWidth(int32_t value)
{
    resize(value, height());
    Invalidate();
}

void TXGraphicBitmap::setHeight(int32_t value)
{
    resize(width(), value);
    Invalidate();
}

void TXGraphicBitmap::resizeEvent(QResizeEvent*)
{
    if (m_buffer.size() != size())
        Invalidate();
}

void TXGraphicBitmap::paintEvent(QPaintEvent*)
{
    // The only place the buffer is drawn: cleared, then the control draws into it.
    if (m_bufferDirty && !m_buffer.isNull()) {
        m_buffer.fill(Qt::transparent);
        QPainter bufferPainter(&m_buffer);
        TCanvas canvas(bufferPainter);
        canvas.Font.setFont(font());
        DrawAt(0, 0, canvas);
    }
    m_bufferDirty = false;
    QPainter p(this);
    p.drawImage(0, 0, m_buffer);
}
