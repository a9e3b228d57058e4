#include "xshape/xshape.h"

#include <QPaintEvent>
#include <QPainter>

TXGraphicControl::TXGraphicControl(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TXGraphicControl::DrawOn(TCanvas& Canvas)
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

void TXGraphicBitmap::redrawBuffer()
{
    if (m_buffer.isNull())
        return;
    m_buffer.fill(Qt::transparent);
    QPainter p(&m_buffer);
    TCanvas canvas(p);
    canvas.Font.setFont(font());
    DrawAt(0, 0, canvas);
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
    redrawBuffer();
}

void TXGraphicBitmap::setHeight(int32_t value)
{
    resize(width(), value);
    Invalidate();
    redrawBuffer();
}

void TXGraphicBitmap::resizeEvent(QResizeEvent*)
{
    if (m_buffer.size() != size())
        Invalidate();
}

void TXGraphicBitmap::paintEvent(QPaintEvent*)
{
    if (m_bufferDirty) {
        redrawBuffer();
        m_bufferDirty = false;
    }
    QPainter p(this);
    p.drawImage(0, 0, m_buffer);
}
