#pragma once

#include "platform/Canvas.h"

#include <QImage>
#include <QWidget>

#include <cstdint>

// A windowless control: a child widget with no background of its own, so the
// parent shows through wherever the control draws nothing. All its painting is
// one call of DrawAt, which can paint the control onto any canvas and leaves
// the control as it was.
class TXGraphicControl : public QWidget {
    Q_OBJECT
public:
    explicit TXGraphicControl(QWidget* parent = nullptr);

    // Draws the whole control with its top-left corner at (X, Y).
    virtual void DrawAt(int32_t X, int32_t Y, TCanvas& Canvas) const = 0;
    // Draws the control at its own position onto a canvas that stands for the parent.
    virtual void DrawOn(TCanvas& Canvas) const;

protected:
    void paintEvent(QPaintEvent*) override;
};

// A graphic control that keeps its last picture in an off-screen buffer, so a
// repaint without a change in between is one copy instead of a redraw.
//
// The buffer starts fully transparent before each redraw and is composed over
// the parent on every paint: what the control leaves undrawn shows the parent
// as it is now, which the screen itself cannot be read back to provide.
class TXGraphicBitmap : public TXGraphicControl {
    Q_OBJECT
public:
    explicit TXGraphicBitmap(QWidget* parent = nullptr);

    // Marks the buffer stale (resized to the control) and schedules a repaint,
    // which redraws it.
    virtual void Invalidate();

    int32_t Width() const { return width(); }
    int32_t Height() const { return height(); }
    void setWidth(int32_t value);
    void setHeight(int32_t value);

    const QImage& Buffer() const { return m_buffer; }
    bool BufferDirty() const { return m_bufferDirty; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void resizeBuffer();

    QImage m_buffer;
    bool m_bufferDirty = true;
};
