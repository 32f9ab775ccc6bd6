#include "compose/startscreen.h"

#include "app/frmbegin.h"
#include "learn/frmmain.h"

namespace velmora {

void offerWindowsFromStartScreen(FrmBegin &begin, Services &services)
{
    begin.setWindowFactory(FrmBegin::Destination::MainWindow, [&services](FrmBegin &from) -> QWidget * {
        return FrmMain::showFromStartScreen(services, &from);
    });
}

} // namespace velmora
