#include "compose/startscreen.h"

#include "app/frmbegin.h"
#include "decks/frmdeck.h"
#include "design/frmdeckdesign.h"
#include "learn/frmmain.h"

namespace velmora {

namespace {

QWidget *openDeckManager(Services &services, QWidget *startScreen);

QWidget *openDeckManager(Services &services, QWidget *startScreen)
{
    auto openDesign = [&services, startScreen](const DeckHandOff &handOff, const QVector<bool> &savedCards) {
        auto *editor = new FrmDeckDesign(services, handOff, savedCards);
        editor->setBackOpener([&services, startScreen] { openDeckManager(services, startScreen)->show(); });
        editor->show();
        return true;
    };
    auto *window = new FrmDeck(services, startScreen, openDesign);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    return window;
}

} // namespace

void offerWindowsFromStartScreen(FrmBegin &begin, Services &services)
{
    begin.setWindowFactory(FrmBegin::Destination::DeckManager,
                           [&services](FrmBegin &from) -> QWidget * { return openDeckManager(services, &from); });
    begin.setWindowFactory(FrmBegin::Destination::MainWindow, [&services](FrmBegin &from) -> QWidget * {
        return FrmMain::showFromStartScreen(services, &from);
    });
}

} // namespace velmora
