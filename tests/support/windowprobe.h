#pragma once

// Finding and working the controls of the main window in tests.

#include "learn/frmmain.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QtTest>

namespace velmora::test {

// The named control; a missing one ends the test program.
template <typename T = QWidget>
T *control(const QObject *window, const QString &name)
{
    T *widget = window->findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

// Check boxes and options answer clicks on their box and caption only.
inline void clickBox(QAbstractButton *box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

// Set unavailable by the window itself, apart from a closed tab around it.
inline bool available(const QWidget *widget)
{
    return !widget->testAttribute(Qt::WA_ForceDisabled);
}

// Tabs 2, 3 and 4 as the user may choose them, 1 for available. The tab bar
// must agree, except that the tab on screen is never greyed out.
inline QString tabState(const FrmMain &window)
{
    const auto *tabs = control<QTabWidget>(&window, QStringLiteral("SSTab1"));
    QString text;
    for (int tab = TabMemorize; tab < TabCount; ++tab) {
        const bool available = window.isTabAvailable(tab);
        if (tabs->isTabEnabled(tab) != (available || tab == tabs->currentIndex()))
            return QStringLiteral("tab bar differs at %1").arg(tab);
        text += available ? QLatin1Char('1') : QLatin1Char('0');
    }
    return text;
}

// Loads and shows the window; false when it refused to open.
[[nodiscard]] inline bool showWindow(FrmMain &window)
{
    if (window.load() != Opening::Show)
        return false;
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The controls under root, not hidden, that a screen reader could not name.
inline QStringList unnamedControls(const QWidget *root)
{
    QStringList unnamed;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        const bool control = qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
                             qobject_cast<QPlainTextEdit *>(widget) || widget->focusPolicy() == Qt::StrongFocus;
        if (!control || !widget->isVisibleTo(root) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QAccessibleInterface *about = QAccessible::queryAccessibleInterface(widget);
        if (!about || about->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(widget->objectName());
    }
    return unnamed;
}

} // namespace velmora::test
