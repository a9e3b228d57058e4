#pragma once
// Records what the toolkit tells assistive technology, and whether screen
// readers hear it, while a TRecording lives.
#include "platform/Accessible.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <QList>

struct TToldEvent {
    QAccessible::Event type;
    QObject* source;
    bool heard;
    QString inserted;
    QAccessible::Role role;
    QString name;
    QString description;
};

inline QList<TToldEvent>& ToldEvents()
{
    static QList<TToldEvent> told;
    return told;
}

inline void RecordTold(QAccessibleEvent* e)
{
    TToldEvent t{e->type(), e->object(), ScreenReadersHear(e), {}, QAccessible::NoRole, {}, {}};
    if (e->type() == QAccessible::TextInserted)
        t.inserted = static_cast<QAccessibleTextInsertEvent*>(e)->textInserted();
    if (QAccessibleInterface* i = e->accessibleInterface()) {
        t.role = i->role();
        t.name = i->text(QAccessible::Name);
        t.description = i->text(QAccessible::Description);
    }
    ToldEvents() << t;
}

struct TRecording {
    TRecording()
    {
        ToldEvents().clear();
        QAccessible::setActive(true);
        QAccessible::installUpdateHandler(RecordTold);
    }
    ~TRecording() { InstallAccessibleFactory(); }
    // The events of `type` (from `source`, if given).
    static QList<TToldEvent> of(QAccessible::Event type, const QObject* source = nullptr)
    {
        QList<TToldEvent> found;
        for (const TToldEvent& t : ToldEvents())
            if (t.type == type && (!source || t.source == source))
                found << t;
        return found;
    }
};
