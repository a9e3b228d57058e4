#include "platform/Accessible.h"

#include "platform/Widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>

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

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    const auto it = classRoles().constFind(className.toLatin1());
    if (it == classRoles().constEnd())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (*it == TAccessibleRole::Button)
        return qobject_cast<QAbstractButton*>(widget) ? new TButtonAccessible(widget) : nullptr;
    return new QAccessibleWidget(widget, ToolkitRole(*it));
}

void InstallFactory()
{
    QAccessible::installFactory(Factory);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFactory)

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
