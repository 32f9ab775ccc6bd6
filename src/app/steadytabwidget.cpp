#include "app/steadytabwidget.h"

#include <QEvent>
#include <QTabBar>

namespace velmora {

SteadyTabWidget::Hints SteadyTabWidget::hints() const
{
    return Hints{size(), sizeHint(), minimumSizeHint(), tabBar()->sizeHint(),
                 hasHeightForWidth() ? heightForWidth(width()) : -1};
}

bool SteadyTabWidget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::LayoutRequest: {
        // Hidden, Qt lays the tabs out when shown; the hints are taken then.
        if (!isVisible())
            break;
        const Hints now = hints();
        if (laidOut_ && now == laidOutFor_) {
            // The parent is still told: a scroll area places its widget anew
            // for the scroll bars' values then, which costs no painting.
            updateGeometry();
            return true;
        }
        laidOutFor_ = now;
        laidOut_ = true;
        break;
    }
    case QEvent::Show:
    case QEvent::StyleChange:
    case QEvent::FontChange:
    case QEvent::LayoutDirectionChange:
        laidOut_ = false;
        break;
    default:
        break;
    }
    return QTabWidget::event(event);
}

} // namespace velmora
