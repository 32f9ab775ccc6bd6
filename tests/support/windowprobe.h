#pragma once

// Finding and working the controls of the main window in tests.

#include "app/accesskey.h"
#include "learn/frmmain.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabBar>
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

// Where a control's text comes from a deck there is no fixed letter to give it.
inline bool takesDeckText(const QWidget *widget)
{
    return widget->objectName().startsWith(QLatin1String("chkKeywords")) ||
           widget->objectName().startsWith(QLatin1String("optAnswer"));
}

// What a keyboard and screen-reader user of the window meets: every control
// Tab stops at has a name with a letter or digit in it, other than its value, every button an
// access key, and no access key is taken twice. With a tab page given, the
// other pages are out of sight and out of the count. The controls that show
// deck text have their names only while a test runs.
inline QStringList keyboardFaults(QWidget *window, int tab = -1, bool testRunning = false)
{
    QStringList faults;
    QHash<QChar, QString> keys;
    const auto claim = [&](const QString &caption, const QString &who) {
        const QChar key = captionAccessKey(caption);
        if (!key.isNull() && keys.contains(key))
            faults << QStringLiteral("%1 and %2 share %3").arg(keys.value(key), who, key);
        keys.insert(key, who);
        return !key.isNull();
    };
    if (auto *main = qobject_cast<QMainWindow *>(window); main && main->menuWidget())
        for (QAction *menu : main->menuBar()->actions())
            claim(menu->text(), menu->objectName());

    auto *tabs = tab < 0 ? nullptr : window->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QWidget *page = tabs ? tabs->widget(tab) : nullptr;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const bool onPage = page && page->isAncestorOf(widget);
        if (tabs && tabs->isAncestorOf(widget) && !onPage && !qobject_cast<QTabBar *>(widget))
            continue;
        if (!widget->isVisibleTo(onPage ? page : window) || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        const QString who = widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                                           : widget->objectName();
        if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
            claim(label->text(), who);
        const bool deckText = takesDeckText(widget);
        if (!(widget->focusPolicy() & Qt::TabFocus) || (deckText && !testRunning))
            continue;
        QAccessibleInterface *about = QAccessible::queryAccessibleInterface(widget);
        if (!about || !about->text(QAccessible::Name).contains(QRegularExpression(QStringLiteral("\\w"))))
            faults << who + QStringLiteral(" has no name");
        // A name that only repeats what a field holds does not say what it is for.
        else if ((qobject_cast<QComboBox *>(widget) || qobject_cast<QLineEdit *>(widget) ||
                  qobject_cast<QAbstractSpinBox *>(widget)) &&
                 about->text(QAccessible::Name) == about->text(QAccessible::Value))
            faults << who + QStringLiteral(" is named by its value");
        auto *button = qobject_cast<QAbstractButton *>(widget);
        if (button && !deckText && !claim(button->text(), who))
            faults << who + QStringLiteral(" has no access key");
    }
    return faults;
}

} // namespace velmora::test
