#include "platform/Accessible.h"

#include "platform/Widgets.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QTabBar>

namespace {

QHash<QByteArray, TAccessibleRole>& classRoles()
{
    static QHash<QByteArray, TAccessibleRole> roles{
        {"TPaintBox", TAccessibleRole::Graphic},
        {"TImage", TAccessibleRole::Graphic},
        {"TShape", TAccessibleRole::Graphic},
        {"TSpeedButton", TAccessibleRole::Button},
    };
    return roles;
}

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

// A pick list named by its accessible name or its label, not by the picked item,
// which is its value (the toolkit's own list gives the item as the name here).
class TPickListAccessible : public QAccessibleWidget {
public:
    explicit TPickListAccessible(QWidget* w)
        : QAccessibleWidget(w, QAccessible::ComboBox)
    {}

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
class TTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TTabAccessible(QTabBar* bar, int index)
        : m_bar(bar)
        , m_index(index)
    {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    bool isValid() const override { return m_bar && m_index < m_bar->count(); }
    QObject* object() const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.focusable = s.selectable = true;
        s.selected = m_bar->currentIndex() == m_index;
        s.focused = s.selected && m_bar->hasFocus();
        s.invisible = !m_bar->isVisible();
        return s;
    }
    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const QRect r = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(r.topLeft()), r.size());
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return QString();
        if (t == QAccessible::Name)
            return m_bar->tabText(m_index);
        return t == QAccessible::Description ? m_bar->tabToolTip(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_bar);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            m_bar->setCurrentIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<QTabBar> m_bar;
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

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QTabBar"))
        return new TTabBarAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String("QComboBox") && !static_cast<QComboBox*>(object)->isEditable())
        return new TPickListAccessible(static_cast<QWidget*>(object));
    const auto it = classRoles().constFind(className.toLatin1());
    if (it == classRoles().constEnd())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (*it == TAccessibleRole::Button)
        return qobject_cast<QAbstractButton*>(widget) ? new TButtonAccessible(widget) : nullptr;
    return new QAccessibleWidget(widget, ToolkitRole(*it));
}

} // namespace

void InstallAccessibleFactory()
{
    // Factories installed last are asked first: ours goes after the toolkit's.
    QAccessible::removeFactory(Factory);
    QAccessible::installFactory(Factory);
}

bool RegisterAccessibleClass(const char* className, TAccessibleRole role)
{
    classRoles().insert(QByteArray(className), role);
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

void SetAccessibleDescription(QWidget* widget, const QString& description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}
