#include "personalscreens.h"

#include "mainwindowscreens.h"
#include "progress/history.h"
#include "readings/cardofday.h"
#include "readings/frmjournal.h"
#include "readings/journal.h"

#include "app/frmbegin.h"
#include "app/services.h"
#include "learn/frmmain.h"
#include "store/deck.h"
#include "store/paths.h"
#include "store/personalmeanings.h"

#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>

namespace velmora {

namespace {

// A season of three-card readings, a few a week, with some cards coming back.
void seedJournal(Services &services)
{
    Deck deck;
    const std::optional<QVector<Card>> cards = deck.open(paths::defaultDeck()) ? deck.cards() : std::nullopt;
    readings::Journal journal;
    if (!cards || cards->size() < 10 || !journal.open(progress::historyPath()))
        return;
    const QDateTime now = services.clock.now();
    for (int day = 0; day < 80; day += 1 + day % 3) {
        readings::Reading reading{0,
                                  now.addDays(-day).addSecs(-3600 * (day % 5)),
                                  QStringLiteral("Tutor1.vdk"),
                                  QStringLiteral("Classic Tarot"),
                                  readings::Spread::ThreeCards,
                                  QStringLiteral("What does this week ask of me?"),
                                  QString(),
                                  {}};
        for (int position = 0; position < 3; ++position) {
            const int index = (day % 4 == 0 && position == 1) ? 16 : (day * 7 + position * 11) % int(cards->size());
            const Card &card = cards->at(index);
            reading.cards.append({card.id, card.name, (day + position) % 3 == 0, QString(), card.normalMeaning});
        }
        (void)journal.save(reading);
    }
}

} // namespace

QStringList personalShowcaseNames()
{
    return {QStringLiteral("memorize-own"), QStringLiteral("daycard-note"), QStringLiteral("journal-patterns")};
}

QWidget *openPersonalShowcase(FrmBegin &begin, Services &services, const QString &name)
{
    if (name == QLatin1String("memorize-own")) {
        FrmMain *window = openMainWithoutDayCard(begin, services);
        if (!window)
            return nullptr;
        if (auto *decks = window->findChild<QComboBox *>(QStringLiteral("cboTutors")))
            decks->setCurrentIndex(0);
        window->cmdSetOption_Click();
        for (int k = 0; k < 16; ++k)
            window->cmdNext_Click();
        if (auto *own = window->findChild<QPlainTextEdit *>(QStringLiteral("txtOwnMeaning")))
            own->setPlainText(QStringLiteral("The card I draw when I wait for someone else to decide. "
                                             "For me: the wheel turns, but I still choose where to stand."));
        if (auto *own = window->findChild<QPlainTextEdit *>(QStringLiteral("txtOwnReverseMeaning")))
            own->setPlainText(QStringLiteral("Holding on to a plan that no longer fits."));
        return window;
    }
    if (name == QLatin1String("daycard-note")) {
        bool fresh = false;
        std::optional<readings::DayCardView> view = readings::cardOfTheDay(services, paths::defaultDeck(), &fresh);
        if (!view)
            return nullptr;
        progress::PersonalMeanings own;
        if (own.open(progress::historyPath()))
            (void)own.save(view->deckName, view->card.name,
                           {QStringLiteral("A door I keep looking at."), QStringLiteral("A door I keep closing.")},
                           services.clock.now());
        view = readings::cardOfTheDay(services, paths::defaultDeck(), &fresh);
        auto *window = new readings::FrmDayCard(services, *view);
        window->show();
        if (auto *note = window->findChild<QPlainTextEdit *>(QStringLiteral("txtDayNote")))
            note->setPlainText(QStringLiteral("Said no to the extra project. Felt lighter by noon."));
        return window;
    }
    if (name == QLatin1String("journal-patterns")) {
        seedJournal(services);
        auto *window = new readings::FrmJournal(services, progress::historyPath());
        window->reload();
        window->showPatterns(90);
        if (auto *patterns = window->findChild<QListWidget *>(QStringLiteral("lstPatterns")))
            patterns->setCurrentRow(0);
        window->show();
        return window;
    }
    return nullptr;
}

} // namespace velmora
