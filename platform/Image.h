#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QSvgRenderer;

// A picture: an SVG stretched to the widget, or a raster image unscaled from
// the top-left corner or stretched. Pictures from files are read when first
// painted or asked for: a window that is not shown yet costs no decoding.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);
    ~TImage() override;
    void loadSvg(const QString& resource);
    void setImage(const QImage& image);
    void setImageFile(const QString& file);
    // The raster picture that `make` returns, made when first needed.
    void setImageMaker(std::function<QImage()> make);
    void setStretch(bool stretch);
    const QImage& image() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::unique_ptr<QSvgRenderer> m_svg;
    QString m_svgFile;
    // The vector picture as last drawn, at the widget's size: drawing it costs
    // milliseconds, copying it microseconds.
    QImage m_svgPicture;
    mutable QImage m_image;
    mutable std::function<QImage()> m_make;
    bool m_stretch = false;
};
