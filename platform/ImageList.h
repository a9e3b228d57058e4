#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

#include <vector>

// A list of pictures of one size, kept apart from any widget. Pictures are
// stored with their transparency; GetBitmap puts one on the background colour.
class TImageList : public QObject {
    Q_OBJECT
public:
    TImageList(int width, int height, QObject* parent = nullptr);

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    int count() const { return static_cast<int>(m_images.size()); }

    QColor bkColor() const { return m_bkColor; }
    void setBkColor(const QColor& c) { m_bkColor = c; }

    // Appends a picture, stretched to the list's size when it differs; returns its index.
    int add(const QImage& image);
    // Appends an SVG rendered (antialiased) at the list's size; returns its index,
    // or -1 when the SVG cannot be read.
    int addSvg(const QString& resource);

    // The picture at index on the background colour, at the list's size. An
    // index outside the list gives false and leaves bitmap as it was.
    bool GetBitmap(int index, QImage& bitmap) const;

private:
    QSize m_size;
    QColor m_bkColor = Qt::white;
    std::vector<QImage> m_images;
};
