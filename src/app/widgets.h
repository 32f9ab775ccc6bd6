#pragma once

// Small builders every window uses for its controls, so a control is made the
// same way wherever it appears.

#include <QString>

class QLabel;
class QPushButton;
class QScrollArea;
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

// A push button with its caption in access-key notation. Its accessible name
// is left to the caption, so that it follows every change of the caption.
[[nodiscard]] QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption);

// A "[ ? ]" label whose hint shows when the pointer rests on it; the hint is
// also the description of the control it explains.
[[nodiscard]] QLabel *makeHint(QWidget *parent, const char *name, const QString &hint, QWidget *describes = nullptr);

// A fixed explanation of the window, wrapped to the width it is given.
[[nodiscard]] QLabel *wrappingLabel(const QString &name, const QString &text);

// A plain-text caption that names its field and gives it focus on its access key.
[[nodiscard]] QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, QWidget *buddy);

// A frameless area that scrolls `content` once the window is smaller than it.
// Content with wrapped text is asked its height for the area's width, so it
// scrolls rather than has its controls pressed onto each other. The controls
// inside take the focus; the area only follows it.
[[nodiscard]] QScrollArea *scrollingArea(QWidget *parent, const char *name, QWidget *content);

} // namespace velmora
