#include "app/windowplace.h"

#include "app/services.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace velmora {

namespace {

// What a window manager's title bar and borders take at most, at common scales.
constexpr QSize kFrameRoom(16, 48);

QString placeKey(const QWidget &window)
{
    return QStringLiteral("WindowPlace_") + window.objectName();
}

// A window grown past its screen (by a long text, a screen since changed)
// is brought back to the screen's free area, a frame's room left; false when
// its smallest size is larger still.
bool fitIntoScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return true;
    const QRect free = screen->availableGeometry();
    const QSize room = (free.size() - kFrameRoom).expandedTo(QSize(1, 1));
    if (window.width() > room.width() || window.height() > room.height())
        window.resize(window.size().boundedTo(room));
    const QRect frame(window.pos(), window.size() + kFrameRoom);
    if (!free.contains(frame))
        window.move(std::clamp(frame.left(), free.left(), std::max(free.left(), free.right() + 1 - frame.width())),
                    std::clamp(frame.top(), free.top(), std::max(free.top(), free.bottom() + 1 - frame.height())));
    return window.width() <= room.width() && window.height() <= room.height();
}

class PlaceKeeper : public QObject
{
public:
    PlaceKeeper(QWidget &window, SettingsStore &settings) : QObject(&window), window_(window), settings_(settings)
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A closed window is hidden too, and so is one the user went back from.
        // A size that does not fit is not kept: every later window would take it.
        if (watched == &window_ && event->type() == QEvent::Hide && window_.testAttribute(Qt::WA_WState_Created)) {
            if (fitIntoScreen(window_))
                settings_.setValue(placeKey(window_), QString::fromLatin1(window_.saveGeometry().toBase64()));
            else
                settings_.remove(placeKey(window_));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &window_;
    SettingsStore &settings_;
};

} // namespace

void placeWithinScreen(QWidget &window, QSize preferred)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        window.resize(preferred);
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize room = (free.size() - kFrameRoom).expandedTo(QSize(1, 1));
    window.resize(preferred.boundedTo(room).expandedTo(window.minimumSize()));
    // Qt centres a dialog over its parent itself.
    if (!window.inherits("QDialog") || !window.parentWidget()) {
        QRect frame(QPoint(), window.size() + kFrameRoom);
        frame.moveCenter(free.center());
        window.move(std::max(frame.left(), free.left()), std::max(frame.top(), free.top()));
    }
}

void keepWindowPlace(QWidget &window, SettingsStore &settings, QSize preferred)
{
    const QByteArray stored = QByteArray::fromBase64(settings.value(placeKey(window)).toLatin1());
    // restoreGeometry moves a place from a screen no longer there, or now
    // smaller, onto the screen, but keeps its size.
    if (stored.isEmpty() || !window.restoreGeometry(stored))
        placeWithinScreen(window, preferred.isValid() ? preferred : window.sizeHint());
    else if (!fitIntoScreen(window))
        placeWithinScreen(window, preferred.isValid() ? preferred : window.sizeHint());
    new PlaceKeeper(window, settings);
}

} // namespace velmora
