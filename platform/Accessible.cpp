#include "platform/Accessible.h"

#include "platform/SpeedButton.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTabBar>

#include <functional>
#include <utility>

namespace {

QAccessible::Role ToolkitRole(TAccessibleRole role)
{
    switch (role) {
    case TAccessibleRole::Frame:
        return QAccessible::Window;
    case TAccessibleRole::Chart:
        return QAccessible::Chart;
    case TAccessibleRole::Button:
        return QAccessible::Button;
    case TAccessibleRole::Graphic:
        break;
    }
    return QAccessible::Graphic;
}

// A speed button: pressed with its action, and telling the key that presses it.
class TButtonAccessible : public QAccessibleWidget {
public:
    explicit TButtonAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::Button)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return button()->text();
        if (t == QAccessible::Accelerator)
            return key();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown();
        return s;
    }

    QStringList actionNames() const override
    {
        // Also while disabled: the key stays the button's.
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            if (widget()->isEnabled())
                button()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        if (name == pressAction() && !key().isEmpty())
            return {key()};
        return QAccessibleWidget::keyBindingsForAction(name);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    QString key() const
    {
        const auto* speed = qobject_cast<const TSpeedButton*>(widget());
        return speed ? speed->key().toString(QKeySequence::NativeText) : QString();
    }
};

// Attributes in one run over the whole text: the toolkit's empty runs make
// screen readers drop the last character of what they read.
class TOneRunText : public QAccessibleTextInterface {
public:
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = 0;
        *end = std::max(characterCount(), offset);
        return QString();
    }
};

// A text the user cannot change by its accessible interface.
class TReadOnlyText : public TOneRunText {
public:
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
};

// A line edit, told as the toolkit tells it but with its attributes in one run.
class TLineEditAccessible : public QAccessibleWidget,
                            public TOneRunText,
                            public QAccessibleEditableTextInterface {
public:
    explicit TLineEditAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::EditableText)
    {
        addControllingSignal(QStringLiteral("textChanged(const QString&)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return shown();
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Description ? edit()->placeholderText() : own;
    }
    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::setText(t, text);
        if (!edit()->isReadOnly())
            edit()->setText(text);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.readOnly = edit()->isReadOnly();
        s.passwordEdit = edit()->echoMode() != QLineEdit::Normal;
        s.selectableText = true;
        return s;
    }

    QString text(int start, int end) const override
    {
        return start <= end ? shown().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(edit()->text().size()); }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    int selectionCount() const override { return edit()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index != 0 || !edit()->hasSelectedText())
            return;
        *start = edit()->selectionStart();
        *end = *start + int(edit()->selectedText().size());
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override
    {
        if (index == 0)
            edit()->deselect();
    }
    void setSelection(int index, int start, int end) override
    {
        if (index == 0)
            edit()->setSelection(start, end - start);
    }
    QRect characterRect(int offset) const override
    {
        const QString all = shown();
        if (offset < 0 || offset >= all.size())
            return QRect();
        // The cursor rectangle tells where the text starts.
        const QFontMetrics metrics(edit()->font());
        const QRect cursor = edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const int origin =
            cursor.center().x() - metrics.horizontalAdvance(all.left(edit()->cursorPosition()));
        const QRect r(origin + metrics.horizontalAdvance(all.left(offset)), cursor.top(),
                      metrics.horizontalAdvance(all.at(offset)), cursor.height());
        return QRect(edit()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorPositionAt(edit()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override
    {
        edit()->setCursorPosition(end);
        edit()->setCursorPosition(start);
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (!edit()->isReadOnly() && start >= 0 && start <= end)
            edit()->setText(edit()->text().replace(start, end - start, text));
    }

private:
    QLineEdit* edit() const { return static_cast<QLineEdit*>(widget()); }
    QString shown() const
    {
        switch (edit()->echoMode()) {
        case QLineEdit::Normal:
            return edit()->text();
        case QLineEdit::NoEcho:
            return QString();
        default:
            return QString(edit()->text().size(), QLatin1Char('*'));
        }
    }
};

// An object with no widget of its own and no children, inside its owner's.
class TLeafAccessible : public QAccessibleInterface {
public:
    explicit TLeafAccessible(QWidget* owner)
        : m_owner(owner)
    {}

    QObject* object() const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_owner);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

protected:
    QPointer<QWidget> m_owner;
};

// Something the program tells without a change on screen, such as a new task:
// screen readers speak a notification when it shows. Not among the window's
// children, so that a walk through the window does not meet it.
class TNotificationAccessible : public TLeafAccessible {
public:
    explicit TNotificationAccessible(QWidget* window)
        : TLeafAccessible(window)
    {}

    void tell(const QString& name, const QString& text)
    {
        m_name = name;
        m_text = text;
    }

    bool isValid() const override { return m_owner; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override { return QRect(); }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return m_name;
        return t == QAccessible::Description ? m_text : QString();
    }

private:
    QString m_name;
    QString m_text;
};

// A pick list named by its accessible name or its label, not by the picked item,
// which is its value (the toolkit's own list gives the item as the name here).
// Its text is the picked item, all of it selected: screen readers read the
// value from the text, and speak an inserted text that is also the selection,
// which is how a pick made with the keyboard is told.
class TPickListAccessible : public QAccessibleWidget, public TReadOnlyText {
public:
    explicit TPickListAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::ComboBox)
    {
        QObject::connect(box(), &QComboBox::activated, box(), [box = box()] {
            if (!QAccessible::isActive() || !box->hasFocus())
                return;
            QAccessibleTextInsertEvent event(box, 0, box->currentText());
            QAccessible::updateAccessibility(&event);
        });
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                               : QAccessibleWidget::interface_cast(t);
    }
    QString text(int start, int end) const override
    {
        return start <= end ? box()->currentText().mid(start, end - start) : QString();
    }
    int characterCount() const override { return int(box()->currentText().size()); }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index == 0 ? characterCount() : 0;
    }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->currentText();
        const QString own = QAccessibleWidget::text(t);
        return own.isEmpty() && t == QAccessible::Name ? box()->currentText() : own;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = box()->view() && box()->view()->isVisible();
        return s;
    }

    int childCount() const override { return box()->view() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 && box()->view() ? QAccessible::queryAccessibleInterface(box()->view())
                                           : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && box()->view() && child->object() == box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction()) {
            if (box()->view() && box()->view()->isVisible())
                box()->hidePopup();
            else
                box()->showPopup();
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// One tab of a tab strip; the strip tells which one is selected.
class TTabAccessible : public TLeafAccessible, public QAccessibleActionInterface {
public:
    TTabAccessible(QTabBar* bar, int index)
        : TLeafAccessible(bar)
        , m_index(index)
    {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    bool isValid() const override { return m_owner && m_index < bar()->count(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = s.selectable = true;
        s.selected = bar()->currentIndex() == m_index;
        s.focused = s.selected && bar()->hasFocus();
        s.invisible = !bar()->isVisible();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = bar()->tabRect(m_index);
        return QRect(bar()->mapToGlobal(r.topLeft()), r.size());
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name)
            return bar()->tabText(m_index);
        return t == QAccessible::Description ? bar()->tabToolTip(m_index) : QString();
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            bar()->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(m_owner.data()); }
    int m_index;
};

class TTabBarAccessible : public QAccessibleWidget {
public:
    explicit TTabBarAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::PageTabList)
    {}
    ~TTabBarAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return bar()->count(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= bar()->count())
            return nullptr;
        if (const auto it = m_tabs.constFind(index); it != m_tabs.constEnd())
            return QAccessible::accessibleInterface(*it);
        auto* tab = new TTabAccessible(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (auto it = m_tabs.constBegin(); it != m_tabs.constEnd(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint p = bar()->mapFromGlobal(QPoint(x, y));
        const int index = bar()->tabAt(p);
        return index >= 0 ? child(index) : nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        return bar()->hasFocus() ? child(bar()->currentIndex()) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return bar()->tabText(bar()->currentIndex());
        return QAccessibleWidget::text(t);
    }

private:
    QTabBar* bar() const { return static_cast<QTabBar*>(widget()); }
    mutable QHash<int, QAccessible::Id> m_tabs;
};

QHash<const QWidget*, std::function<std::vector<TDrawingPart>()>>& drawingParts()
{
    static QHash<const QWidget*, std::function<std::vector<TDrawingPart>()>> parts;
    return parts;
}

std::vector<TDrawingPart> PartsOf(const QWidget* drawing)
{
    const auto it = drawingParts().constFind(drawing);
    return it == drawingParts().constEnd() ? std::vector<TDrawingPart>{} : (*it)();
}

// One part of a drawing: a text over a rectangle, read in a screen reader's review.
class TPartAccessible : public TLeafAccessible {
public:
    TPartAccessible(QWidget* drawing, int index)
        : TLeafAccessible(drawing)
        , m_index(index)
    {}

    bool isValid() const override { return m_owner && m_index < int(PartsOf(m_owner).size()); }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !m_owner || !m_owner->isVisible();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = PartsOf(m_owner)[size_t(m_index)].rect;
        return QRect(m_owner->mapToGlobal(r.topLeft()), r.size());
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? PartsOf(m_owner)[size_t(m_index)].text
                                                   : QString();
    }

private:
    int m_index;
};

// A drawing, with its parts (if it has any) as children.
class TDrawingAccessible : public QAccessibleWidget {
public:
    TDrawingAccessible(QWidget* w, QAccessible::Role role)
        : QAccessibleWidget(w, role)
    {}
    ~TDrawingAccessible() override
    {
        for (QAccessible::Id id : std::as_const(m_parts))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        return QAccessibleWidget::childCount() + int(PartsOf(widget()).size());
    }
    QAccessibleInterface* child(int index) const override
    {
        const int own = QAccessibleWidget::childCount();
        if (index < own)
            return QAccessibleWidget::child(index);
        index -= own;
        if (index >= int(PartsOf(widget()).size()))
            return nullptr;
        if (const auto it = m_parts.constFind(index); it != m_parts.constEnd())
            return QAccessible::accessibleInterface(*it);
        auto* part = new TPartAccessible(widget(), index);
        m_parts.insert(index, QAccessible::registerAccessibleInterface(part));
        return part;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (auto it = m_parts.constBegin(); it != m_parts.constEnd(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return QAccessibleWidget::childCount() + it.key();
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    mutable QHash<int, QAccessible::Id> m_parts;
};

// What makes a widget's interface, by the name of its class.
using TMaker = std::function<QAccessibleInterface*(QWidget*)>;

template <class W, class TInterface> std::pair<QByteArray, TMaker> Maker()
{
    return {W::staticMetaObject.className(), [](QWidget* w) {
                return new TInterface(w);
            }};
}

// The toolkit's widgets told otherwise, and (registered later) our own classes.
QHash<QByteArray, TMaker>& Makers()
{
    static QHash<QByteArray, TMaker> makers{
        Maker<QTabBar, TTabBarAccessible>(),
        Maker<QLineEdit, TLineEditAccessible>(),
        {QComboBox::staticMetaObject.className(),
         [](QWidget* w) -> QAccessibleInterface* {
             return static_cast<QComboBox*>(w)->isEditable() ? nullptr : new TPickListAccessible(w);
         }},
    };
    return makers;
}

// Asked for each class of the object, from its own up to QObject.
QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const auto it = Makers().constFind(className.toLatin1());
    return it == Makers().constEnd() ? nullptr : (*it)(static_cast<QWidget*>(object));
}

int QuietDepth = 0;
// The control screen readers were last told has the focus.
QPointer<QObject> FocusTold;

// What is sent on to screen readers. Left out: focus in a control without it,
// changes of a focused control's
// name or description (sent without the new text, which screen readers then
// fail on), selections outside the focused control (read out from wherever
// they happen, or in a control before it is told to have the focus), a text
// replaced by itself, a progress bar's steps (told
// without its name), and text and selection changes inside Quietly.
} // namespace

bool ScreenReadersHear(const QAccessibleEvent* event)
{
    QObject* source = event->object();
    auto* widget = source && source->isWidgetType() ? static_cast<QWidget*>(source) : nullptr;
    const bool focused =
        widget && widget == QApplication::focusWidget() && widget->isActiveWindow();
    switch (event->type()) {
    case QAccessible::NameChanged:
    case QAccessible::DescriptionChanged:
        return !focused;
    case QAccessible::Focus:
        // Item views tell a current item as focused also without the focus.
        if (widget && widget != QApplication::focusWidget())
            return false;
        FocusTold = source;
        return true;
    case QAccessible::TextSelectionChanged:
        return focused && source == FocusTold && QuietDepth == 0;
    case QAccessible::TextUpdated: {
        const auto* update = static_cast<const QAccessibleTextUpdateEvent*>(event);
        if (update->textRemoved() == update->textInserted())
            return false;
        return QuietDepth == 0;
    }
    case QAccessible::TextInserted:
    case QAccessible::TextRemoved:
        return QuietDepth == 0;
    case QAccessible::ValueChanged:
        return !qobject_cast<QProgressBar*>(source);
    default:
        return true;
    }
}

namespace {

void Filter(QAccessibleEvent* event)
{
    if (!ScreenReadersHear(event))
        return;
    // Without a handler the event goes to the platform's bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Filter);
}

} // namespace

void InstallAccessibleFactory()
{
    // Factories installed last are asked first: ours goes after the toolkit's.
    QAccessible::removeFactory(Factory);
    QAccessible::installFactory(Factory);
    QAccessible::installUpdateHandler(Filter);
}

void Quietly(const std::function<void()>& change)
{
    ++QuietDepth;
    try {
        change();
    } catch (...) {
        --QuietDepth;
        throw;
    }
    --QuietDepth;
}

bool RegisterAccessibleRole(const QMetaObject& type, TAccessibleRole role)
{
    TMaker make;
    if (role == TAccessibleRole::Button) {
        make = [](QWidget* w) -> QAccessibleInterface* {
            return qobject_cast<QAbstractButton*>(w) ? new TButtonAccessible(w) : nullptr;
        };
    } else {
        make = [role](QWidget* w) {
            return new TDrawingAccessible(w, ToolkitRole(role));
        };
    }
    Makers().insert(QByteArray(type.className()), std::move(make));
    return true;
}

void LabelField(QLabel* label, QWidget* field)
{
    QString name = label->text().trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name = name.chopped(1).trimmed();
    if (!label->text().contains(QLatin1Char('&')))
        label->setBuddy(field);
    SetAccessibleTexts(field, name, field->accessibleDescription());
}

void SetAccessibleTexts(QWidget* widget, const QString& name, const QString& description)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
    SetAccessibleDescription(widget, description);
}

void SetDrawingParts(QWidget* drawing, std::function<std::vector<TDrawingPart>()> parts)
{
    drawingParts().insert(drawing, std::move(parts));
    QObject::connect(drawing, &QObject::destroyed, [drawing] { drawingParts().remove(drawing); });
}

void Announce(QWidget* window, const QString& name, const QString& text)
{
    if (!window || !QAccessible::isActive())
        return;
    static QHash<QWidget*, QAccessible::Id> notifications;
    QAccessible::Id& id = notifications[window];
    if (!id) {
        id = QAccessible::registerAccessibleInterface(new TNotificationAccessible(window));
        QObject::connect(window, &QObject::destroyed, [window] {
            QAccessible::deleteAccessibleInterface(notifications.take(window));
        });
    }
    auto* notification =
        static_cast<TNotificationAccessible*>(QAccessible::accessibleInterface(id));
    notification->tell(name, text);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void SetAccessibleDescription(QWidget* widget, const QString& description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}
