#include "platform/Application.h"

#include "core/Exception.h"
#include "platform/Accessible.h"
#include "platform/Appearance.h"
#include "platform/Dialogs.h"

#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QImageReader>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

namespace {

// Pick lists drop down below their box as a plain list, whose height follows
// the list's visible item count.
class TAppStyle : public QProxyStyle {
public:
    TAppStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    InstallAccessibleFactory();
    setStyle(new TAppStyle);
    setUpFonts();
    setApplicationName(ApplicationTitle());
    setApplicationDisplayName(QString());
}

void TApplication::setUpFonts()
{
    // Not the bold Tahoma file: its strokes are as thin as the regular ones, only
    // spaced wider. Bold is drawn by emboldening the regular face.
    static const char* const files[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                        "/usr/share/wine/fonts/ms_sans_serif.ttf"};
    bool tahoma = false;
    for (const char* f : files) {
        if (QFile::exists(QLatin1String(f)) &&
            QFontDatabase::addApplicationFont(QLatin1String(f)) >= 0)
            tahoma = true;
    }
    if (!tahoma)
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
    QApplication::setFont(PixelFont(QStringLiteral("Tahoma"), 13));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        // A key press travels from the focused widget up to its window; the
        // window's preview runs once, before the first delivery.
        if (event->type() == QEvent::KeyPress && event != m_previewing &&
            receiver->isWidgetType()) {
            auto* form = dynamic_cast<TKeyPreviewForm*>(static_cast<QWidget*>(receiver)->window());
            if (form && form->keyPreview()) {
                QEvent* const outer = m_previewing;
                m_previewing = event;
                const auto* key = static_cast<QKeyEvent*>(event);
                RunHandler([&] { form->FormKeyDown(key->key(), key->modifiers()); });
                const bool result = QApplication::notify(receiver, event);
                m_previewing = outer;
                return result;
            }
        }
        return QApplication::notify(receiver, event);
    } catch (const Exception& e) {
        // Our handlers run inside RunHandler; this only catches what slipped past.
        m_previewing = nullptr;
        ShowError(e.message());
        return true;
    }
}

bool JpegSupported()
{
    // Asks the JPEG reader alone: the list of all formats loads every image plugin.
    QByteArray start("\xFF\xD8\xFF", 3);
    QBuffer buffer(&start);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    return reader.canRead();
}
