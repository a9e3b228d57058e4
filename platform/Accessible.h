#pragma once

#include <QMetaObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QAccessibleEvent;
class QLabel;
class QWidget;

// Roles for our own widget classes, which the toolkit would report as plain
// fillers: windows are frames, drawings are graphics or charts, speed buttons
// are push buttons that tell their key.
enum class TAccessibleRole { Frame, Graphic, Chart, Button };

// Lets the roles below and our pick lists' interface replace the toolkit's;
// the application object calls it once it is made.
void InstallAccessibleFactory();

// Gives every widget of class W (and of classes derived from it that have no
// role of their own) the role. Register before the first widget of the class is
// made: a static registrar in the class's own source file does that.
bool RegisterAccessibleRole(const QMetaObject& type, TAccessibleRole role);
template <class W> bool RegisterAccessible(TAccessibleRole role)
{
    return RegisterAccessibleRole(W::staticMetaObject, role);
}

// Links a label with the field it names: the label becomes the field's buddy
// and its text, without a trailing colon, the field's accessible name. A label
// with an ampersand gets no buddy, which would show it as a mnemonic.
void LabelField(QLabel* label, QWidget* field);

// Sets a widget's accessible name and description; each is announced only
// when it changes.
void SetAccessibleTexts(QWidget* widget, const QString& name, const QString& description);
void SetAccessibleDescription(QWidget* widget, const QString& description);

// Tells screen readers a notification named `name` with `text`, as they tell
// a message that pops up, without anything changing on screen.
void Announce(QWidget* window, const QString& name, const QString& text);

// A drawing's parts as a screen reader reads them in its review of the screen:
// texts over rectangles of the drawing, in reading order.
struct TDrawingPart {
    QRect rect;
    QString text;
};
void SetDrawingParts(QWidget* drawing, std::function<std::vector<TDrawingPart>()> parts);

// Runs `change` without telling screen readers of the text and selection
// changes it makes; for a change that is told as a whole (a new task).
void Quietly(const std::function<void()>& change);

// Whether an event of the toolkit's is passed on to screen readers; the rest
// they mishandle or it only repeats what they say.
bool ScreenReadersHear(const QAccessibleEvent* event);
