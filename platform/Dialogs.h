#pragma once

#include <QString>

#include <functional>

class Exception;
class QFontMetrics;

// The application title: the program file's name, first letter upper case,
// the rest lower case, cut at the first dot ("prozentrechnung" -> "Prozentrechnung").
QString TitleFromFileName(const QString& fileName);
QString ApplicationTitle();

// A text's line breaks as a label shows them: "\r\n" and "\n\r" are one break.
QString BoxText(const QString& text);

// The text as a message box shows it: a line wider than maxWidth (an entry of
// thousands of characters) is shortened in its middle, so the box fits the screen.
QString FitToWidth(const QString& text, const QFontMetrics& metrics, int maxWidth);

enum class MessageKind { Plain, Error };

// Modal message with a single OK button, no icon, the application title as
// caption, centred on the screen. Returns when it is closed.
void ShowMessage(const QString& text);
// The same; screen readers also hear the description (a verdict the text leaves unsaid).
void ShowMessage(const QString& text, const QString& accessibleDescription);

// The application's error display: error icon, application title, a full stop
// appended when the text does not end in one.
void ShowError(const QString& text);
QString ErrorText(const QString& text);

// Runs an event handler; an Exception it throws ends it and is shown by the
// error display. The handler's own state stays as the exception left it.
void RunHandler(const std::function<void()>& handler);

// Tests replace the modal boxes: while a hook is set, messages go to it instead
// of the screen (the text passed is the one that would be shown).
using MessageHook = std::function<void(MessageKind, const QString&)>;
void SetMessageHook(MessageHook hook);
