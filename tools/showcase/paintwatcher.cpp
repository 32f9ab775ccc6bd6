#include "paintwatcher.h"

#include <QEvent>
#include <QTimer>

#include <cstdio>

PaintWatcher::PaintWatcher(QString line, std::function<void()> whenShown, QObject *parent)
    : QObject(parent), line_(std::move(line)), whenShown_(std::move(whenShown))
{}

bool PaintWatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !announced_) {
        announced_ = true;
        watched->removeEventFilter(this);
        // After the paint event has been handled, so the window is drawn.
        QTimer::singleShot(0, this, [this] {
            std::printf("%s\n", line_.toLocal8Bit().constData());
            std::fflush(stdout);
            if (whenShown_)
                whenShown_();
        });
    }
    return false;
}
