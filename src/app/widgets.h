#pragma once

// Small builders every window uses for its controls, so a control is made the
// same way wherever it appears.

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace velmora {

// Controls carry the names the windows have always given them; tests and
// assistive tools find them by these.
template <typename T>
T *named(T *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

template <typename T>
T *named(T *widget, const char *name, const QString &accessibleName)
{
    named(widget, name)->setAccessibleName(accessibleName);
    return widget;
}

// A push button with its caption in access-key notation. An empty accessible
// name leaves the name to the caption.
[[nodiscard]] QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption,
                                      const QString &accessibleName = QString());

// A "[ ? ]" label whose hint shows when the pointer rests on it; the hint is
// also the description of the control it explains.
[[nodiscard]] QLabel *makeHint(QWidget *parent, const char *name, const QString &hint, QWidget *describes = nullptr);

// A fixed explanation of the window, wrapped to the width it is given.
[[nodiscard]] QLabel *wrappingLabel(const QString &name, const QString &text);

// A plain-text caption that names its field and gives it focus on its access key.
[[nodiscard]] QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QWidget *buddy);

} // namespace velmora
