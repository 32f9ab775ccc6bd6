#include "app/windowkeys.h"

#include "app/shell.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QShortcut>
#include <QWidget>

namespace velmora {

namespace {

// A key press reaches an application's filter only when no shortcut took it
// first: a window's own Ctrl+Q (its Exit command) comes before this one.
class QuitKey : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_Q || key->modifiers() != Qt::ControlModifier || key->isAutoRepeat())
            return false;
        EndProgram();
        return true;
    }
};

} // namespace

void installQuitKey(QCoreApplication &app)
{
    static QPointer<QuitKey> filter;
    if (filter && filter->parent() == &app)
        return;
    filter = new QuitKey(&app);
    app.installEventFilter(filter);
}

void closeOnEscape(QWidget &window)
{
    QObject::connect(new QShortcut(QKeySequence::Cancel, &window), &QShortcut::activated, &window, &QWidget::close);
}

} // namespace velmora
