#include "compose/startscreen.h"

#include "readings/cardofday.h"

#include "app/frmbegin.h"
#include "decks/frmdeck.h"
#include "design/frmdeckdesign.h"
#include "exchange/frmimportexportdeck.h"
#include "learn/frmmain.h"
#include "store/paths.h"

#include <QSystemTrayIcon>

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
    window->setExchangeOpener([&services](QWidget *over, bool exportFrame) {
        FrmImportExportDeck screen(
            services, exportFrame ? ExchangeOpener::DeckManagerExport : ExchangeOpener::DeckManagerImport, over);
        screen.exec();
    });
    window->Form_Load();
    return window;
}

} // namespace

void offerWindowsFromStartScreen(FrmBegin &begin, Services &services)
{
    begin.setWindowFactory(FrmBegin::Destination::DeckManager,
                           [&services](FrmBegin &from) -> QWidget * { return openDeckManager(services, &from); });
    // The main window comes back where the user left it, as every window does.
    begin.setWindowFactory(FrmBegin::Destination::MainWindow, [&services](FrmBegin &from) -> QWidget * {
        auto *window = new FrmMain(services, &from);
        window->setAttribute(Qt::WA_DeleteOnClose);
        const Opening opening = window->load();
        if (opening != Opening::Refused) {
            // The deck list starts with no deck chosen: the day's card comes
            // from the default deck.
            readings::announceCardOfTheDay(services, window, window->findChild<QSystemTrayIcon *>(),
                                           paths::defaultDeck());
        }
        switch (opening) {
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
    begin.setWindowFactory(FrmBegin::Destination::Import, [&services](FrmBegin &from) -> QWidget * {
        return new FrmImportExportDeck(services, ExchangeOpener::StartScreenImport, &from);
    });
}

} // namespace velmora
