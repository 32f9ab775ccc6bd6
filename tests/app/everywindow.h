#pragma once

// Every window as its opener makes it, over a program folder with the deck
// "Tutor1.vdk" (makeDesignDeck), for tests that walk all of them.

#include "../design/designhome.h"
#include "progress/frmprogress.h"
#include "progress/history.h"
#include "readings/frmjournal.h"
#include "readings/frmreadings.h"
#include "review/frmreview.h"
#include "servicesrig.h"

#include "app/frmabout.h"
#include "app/frmbegin.h"
#include "app/prompter.h"
#include "decks/frmdeck.h"
#include "design/frmloadpictures.h"
#include "exchange/frmexportmessage.h"
#include "exchange/frmimportexportdeck.h"
#include "learn/frmmain.h"

#include <QMessageBox>
#include <QString>

#include <memory>

namespace velmora::test {

// The windows as their openers make them.
inline std::unique_ptr<QWidget> makeWindow(const QString &which, Services &s)
{
    static Deck deck;
    const QString design = QStringLiteral("Tutor1.vdk");
    if (which == QLatin1String("start screen"))
        return std::make_unique<FrmBegin>(s);
    if (which == QLatin1String("about box"))
        return std::make_unique<FrmAbout>();
    if (which == QLatin1String("deck manager")) {
        auto window =
            std::make_unique<FrmDeck>(s, nullptr, [](const DeckHandOff &, const QVector<bool> &) { return true; });
        window->Form_Load();
        return window;
    }
    if (which == QLatin1String("card editor"))
        return std::make_unique<FrmDeckDesign>(s, DeckHandOff{design, QStringLiteral("Design"), 2},
                                               QVector<bool>{false, false});
    if (which == QLatin1String("picture loader"))
        return deck.open(paths::deckDatabase(design), Access::ReadWrite) ? std::make_unique<FrmLoadPictures>(s, deck)
                                                                         : nullptr;
    if (which.startsWith(QLatin1String("exchange ")))
        return std::make_unique<FrmImportExportDeck>(s, ExchangeOpener(which.back().digitValue()));
    if (which == QLatin1String("export message"))
        return std::make_unique<FrmExportMessage>();
    if (which == QLatin1String("progress"))
        return std::make_unique<progress::FrmProgress>(s, progress::historyPath());
    if (which == QLatin1String("review")) {
        auto window = std::make_unique<review::FrmReview>(
            s, review::ReviewRequest{paths::deckDatabase(design),
                                     QStringLiteral("Design"),
                                     {Card{1, QStringLiteral("Card 1"), 0, {}, {}, true}},
                                     true,
                                     {},
                                     progress::historyPath()});
        return window->start() ? std::move(window) : nullptr;
    }
    if (which == QLatin1String("readings"))
        return std::make_unique<readings::FrmReadings>(s, paths::programFolder() + QStringLiteral("/journal.json"),
                                                       [] { return std::nullopt; });
    if (which == QLatin1String("journal"))
        return std::make_unique<readings::FrmJournal>(s, paths::programFolder() + QStringLiteral("/journal.json"));
    if (which == QLatin1String("message box"))
        return makeMessageBox(Prompt{QStringLiteral("Delete?"), PromptIcon::Question, PromptButtons::YesNoCancel});
    auto window = std::make_unique<FrmMain>(s);
    (void)window->load();
    return window;
}

} // namespace velmora::test
