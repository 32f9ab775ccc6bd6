#include "compose/startscreen.h"

#include "app/frmbegin.h"
#include "learn/frmmain.h"

#include <QByteArray>

#include <memory>

namespace velmora {

void offerWindowsFromStartScreen(FrmBegin &begin, Services &services)
{
    // The main window comes back where the user left it.
    auto geometry = std::make_shared<QByteArray>();
    begin.setWindowFactory(FrmBegin::Destination::MainWindow, [&services, geometry](FrmBegin &from) -> QWidget * {
        auto *window = new FrmMain(services, &from);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (!geometry->isEmpty())
            window->restoreGeometry(*geometry);
        QObject::connect(window, &FrmMain::goingBack, window,
                         [window, geometry] { *geometry = window->saveGeometry(); });
        switch (window->load()) {
        case Opening::Refused:
            delete window;
            return nullptr;
        case Opening::ToTray:
            // In the tray the window waits for the user; the start screen goes.
            from.hide();
            return nullptr;
        case Opening::Show:
            break;
        }
        // The start screen shows the window, once.
        return window;
    });
}

} // namespace velmora
