#pragma once

// What the windows tell a screen reader of their own changes, by control.

#include "app/accessibility.h"

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QStringList>

namespace velmora::test {

class Announcements
{
public:
    Announcements()
    {
        setAnnouncementSink([this](QAccessibleEvent &event) {
            QString text;
            if (event.type() == QAccessible::ValueChanged)
                text = static_cast<QAccessibleValueChangeEvent &>(event).value().toString();
            else if (QAccessibleInterface *about = event.accessibleInterface())
                text = about->text(QAccessible::Name);
            told_[event.object() ? event.object()->objectName() : QString()].append(text);
        });
    }
    ~Announcements() { setAnnouncementSink({}); }
    Announcements(const Announcements &) = delete;
    Announcements &operator=(const Announcements &) = delete;

    // What the control of this name told, in order.
    [[nodiscard]] QStringList by(const QString &objectName) const { return told_.value(objectName); }

private:
    QHash<QString, QStringList> told_;
};

} // namespace velmora::test
