#pragma once

#include <QApplication>

// A window that sees key presses before its focused widget (key preview).
class TKeyPreviewForm {
public:
    virtual ~TKeyPreviewForm() = default;
    virtual bool keyPreview() const { return true; }
    // Called before the focused widget gets the key; the key still reaches it.
    virtual void FormKeyDown(int key, Qt::KeyboardModifiers shift) = 0;
};

// The application object: fonts, style, key preview, and the error display for
// errors that escape an event handler.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Registers the bundled fonts and sets Tahoma 13 px as the application font.
    static void setUpFonts();

private:
    QEvent* m_previewing = nullptr;
};

// True when JPEG pictures can be decoded.
bool JpegSupported();
