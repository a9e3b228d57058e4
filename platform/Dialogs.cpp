#include "platform/Dialogs.h"

#include "core/Exception.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>

namespace {

MessageHook& hook()
{
    static MessageHook h;
    return h;
}

void showBox(QMessageBox::Icon icon, const QString& text, const QString& description = QString())
{
    QMessageBox box(icon, ApplicationTitle(), QString(), QMessageBox::Ok);
    box.setAccessibleDescription(description);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int maxWidth = screen ? screen->availableGeometry().width() * 3 / 4 : 800;
    box.setText(FitToWidth(BoxText(text), QFontMetrics(box.font()), maxWidth));
    box.setTextFormat(Qt::PlainText);
    box.adjustSize();
    CenterOnScreen(&box);
    box.exec();
}

} // namespace

QString BoxText(const QString& text)
{
    static const QRegularExpression pair(QStringLiteral("\r\n|\n\r"));
    QString shown = text;
    return shown.replace(pair, QStringLiteral("\n"));
}

QString FitToWidth(const QString& text, const QFontMetrics& metrics, int maxWidth)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) > maxWidth)
            line = metrics.elidedText(line, Qt::ElideMiddle, maxWidth);
    }
    return lines.join(QLatin1Char('\n'));
}

QString TitleFromFileName(const QString& fileName)
{
    QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

QString ApplicationTitle()
{
    return TitleFromFileName(QCoreApplication::applicationFilePath());
}

void ShowMessage(const QString& text)
{
    ShowMessage(text, QString());
}

void ShowMessage(const QString& text, const QString& accessibleDescription)
{
    if (hook()) {
        hook()(MessageKind::Plain, text);
        return;
    }
    showBox(QMessageBox::NoIcon, text, accessibleDescription);
}

QString ErrorText(const QString& text)
{
    if (text.endsWith(QLatin1Char('.')))
        return text;
    return text + QLatin1Char('.');
}

void ShowError(const QString& text)
{
    const QString shown = ErrorText(text);
    if (hook()) {
        hook()(MessageKind::Error, shown);
        return;
    }
    showBox(QMessageBox::Critical, shown);
}

void RunHandler(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const Exception& e) {
        ShowError(e.message());
    }
}

void SetMessageHook(MessageHook h)
{
    hook() = std::move(h);
}
