#include "platform/Image.h"

#include "platform/Accessible.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
[[maybe_unused]] const bool Role = RegisterAccessible<TImage>(TAccessibleRole::Graphic);
} // namespace

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{}

TImage::~TImage() = default;

void TImage::loadSvg(const QString& resource)
{
    m_svg.reset();
    m_svgFile = resource;
    m_svgPicture = QImage();
    update();
}

void TImage::setImage(const QImage& image)
{
    m_make = nullptr;
    m_image = image;
    update();
}

void TImage::setImageFile(const QString& file)
{
    setImageMaker([file] { return QImage(file); });
}

void TImage::setImageMaker(std::function<QImage()> make)
{
    m_make = std::move(make);
    m_image = QImage();
    update();
}

const QImage& TImage::image() const
{
    if (m_make) {
        m_image = m_make();
        m_make = nullptr;
    }
    return m_image;
}

void TImage::setStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (!m_svgFile.isEmpty()) {
        m_svg = std::make_unique<QSvgRenderer>(m_svgFile);
        m_svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
        m_svgFile.clear();
    }
    QPainter p(this);
    if (m_svg && m_svg->isValid()) {
        const qreal ratio = devicePixelRatioF();
        const QSize pixels = (QSizeF(size()) * ratio).toSize();
        if (pixels.isEmpty())
            return;
        if (m_svgPicture.size() != pixels || m_svgPicture.devicePixelRatio() != ratio) {
            m_svgPicture = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            m_svgPicture.setDevicePixelRatio(ratio);
            m_svgPicture.fill(Qt::transparent);
            QPainter picture(&m_svgPicture);
            picture.setRenderHint(QPainter::Antialiasing);
            m_svg->render(&picture, QRectF(rect()));
        }
        p.drawImage(0, 0, m_svgPicture);
    } else if (const QImage& picture = image(); !picture.isNull()) {
        if (m_stretch)
            p.drawImage(rect(), picture);
        else
            p.drawImage(QPoint(0, 0), picture);
    }
}
