#pragma once

#include "platform/Canvas.h"

#include <QWidget>

#include <functional>

// A drawing surface without a background of its own: what lies below shows through.
class TPaintBox : public QWidget {
    Q_OBJECT
public:
    explicit TPaintBox(QWidget* parent = nullptr);
    std::function<void(TCanvas&)> OnPaint;

protected:
    void paintEvent(QPaintEvent*) override;
};
