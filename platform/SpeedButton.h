#pragma once

#include <QKeySequence>
#include <QSize>
#include <QString>
#include <QToolButton>

#include <vector>

// A flat button with a small picture beside its caption.
class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(QWidget* parent = nullptr);
    // An SVG glyph of the given size; a strip twice as wide holds the normal
    // and the disabled image side by side.
    void setGlyph(const QString& svgResource, int width, int height, bool hasDisabledImage = false);
    // The key that does what the button does; told to assistive technology only,
    // the window handles the key itself.
    void setKey(const QKeySequence& key) { m_key = key; }
    QKeySequence key() const { return m_key; }

private:
    QKeySequence m_key;
};

// One button of a row of speed buttons.
struct TSpeedButtonLook {
    const char* name;
    int left;
    QString text;
    QString glyph;
    QSize glyphSize;
    QKeySequence key;
    bool hasDisabledImage = false;
};

// Makes the buttons on parent in the order given, each `size` large with its
// top at `top`.
std::vector<TSpeedButton*> MakeSpeedButtonRow(QWidget* parent, int top, const QSize& size,
                                              const std::vector<TSpeedButtonLook>& buttons);
