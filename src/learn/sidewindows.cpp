#include "learn/sidewindows.h"

#include "readings/frmjournal.h"
#include "readings/frmreadings.h"
#include "review/frmreview.h"

#include "app/services.h"
#include "learn/deckchecks.h"
#include "learn/ownmeaningkeeper.h"
#include "learn/settingspage.h"

#include <QFileInfo>

namespace velmora {

SideWindows::SideWindows(Services &services, SettingsPage &settings, OwnMeaningKeeper &ownMeanings, DeckOpener openDeck,
                         Groups groups, QWidget *window)
    : QObject(window), services_(services), settings_(settings), ownMeanings_(ownMeanings),
      openDeck_(std::move(openDeck)), groups_(std::move(groups)), window_(window),
      recorder_(progress::historyPath(), this)
{
    // The history is a record beside the test: its failure leaves the test,
    // its report and its message as they are.
    connect(&recorder_, &progress::TestRecorder::recorded, this, [this](const QString &error) {
        if (progressWindow_)
            progressWindow_->historyChanged();
        refreshDueCount();
        if (!error.isEmpty())
            emit recordFailed(error);
    });
}

void SideWindows::record(const progress::TestRecord &test)
{
    recorder_.record(test, review::Fsrs(settings_.reviewSettings().fsrs()), settings_.reviewSettings().testFeed);
}

void SideWindows::openReadings()
{
    const auto openDeck = [this]() -> std::optional<readings::ReadingDeck> {
        std::optional<Practice> practice = openDeck_();
        if (!practice)
            return std::nullopt;
        const QString deckFile = QFileInfo(practice->deck.path()).fileName();
        return readings::ReadingDeck{std::move(*practice), deckFile, settings_.reversedAllowed()};
    };
    auto *window = new readings::FrmReadings(services_, progress::historyPath(), openDeck, window_);
    connect(window, &readings::FrmReadings::testRequested, this, &SideWindows::readingTestRequested);
    connect(window, &readings::FrmReadings::journalRequested, this, &SideWindows::openJournal);
    connect(window, &readings::FrmReadings::saved, this, [this] {
        if (journalWindow_)
            journalWindow_->reload();
    });
    window->show();
}

void SideWindows::openJournal()
{
    if (!journalWindow_) {
        journalWindow_ = new readings::FrmJournal(services_, progress::historyPath(), window_);
        connect(journalWindow_, &readings::FrmJournal::testRequested, this, &SideWindows::readingTestRequested);
        journalWindow_->reload();
    }
    journalWindow_->show();
    journalWindow_->raise();
    journalWindow_->activateWindow();
}

void SideWindows::openProgress()
{
    if (!progressWindow_) {
        progressWindow_ = new progress::FrmProgress(services_, progress::historyPath(), window_);
        connect(progressWindow_, &progress::FrmProgress::readingsRequested, this, [this](const QString &card) {
            openJournal();
            journalWindow_->showReadingsWithCard(card);
        });
        connect(progressWindow_, &progress::FrmProgress::practiceRequested, this, &SideWindows::practiceRequested);
        progressWindow_->reload();
    }
    progressWindow_->show();
    progressWindow_->raise();
    progressWindow_->activateWindow();
}

void SideWindows::openReview()
{
    if (!reviewWindow_) {
        std::optional<Practice> chosen = openDeck_();
        if (!chosen)
            return;
        auto *window = new review::FrmReview(
            services_,
            review::ReviewRequest{chosen->deck.path(), chosen->deckName, chosen->cards, settings_.reversedAllowed(),
                                  settings_.reviewSettings(), progress::historyPath(), ownMeanings_.asksOwn()},
            window_);
        if (!window->start()) {
            delete window;
            return;
        }
        reviewWindow_ = window;
        connect(window, &review::FrmReview::reviewsChanged, this, [this] {
            refreshDueCount();
            if (progressWindow_)
                progressWindow_->historyChanged();
        });
    }
    reviewWindow_->show();
    reviewWindow_->raise();
    reviewWindow_->activateWindow();
}

void SideWindows::refreshDueCount()
{
    std::erase_if(abandoned_, [](const auto &job) { return job->wait(QDeadlineTimer(0)); });
    if (counting_)
        abandoned_.push_back(std::move(counting_));
    const QString deckName = settings_.chosenDeckName();
    if (settings_.chosenDeck() < 0 || !settings_.anyGroup()) {
        settings_.setDueCount(0);
        return;
    }
    // Everything the count reads from the window is taken now; the worker
    // has connections of its own.
    DueCount known;
    if (deckName == dueDeckName_)
        known = DueCount{dueDeckName_, dueDeckFile_, dueDeckCards_, 0};
    const QVector<int> groups = groups_();
    const bool reversed = settings_.reversedAllowed();
    const review::ReviewSettings reviewSettings = settings_.reviewSettings();
    const QDateTime now = services_.clock.now();
    const QString historyFile = progress::historyPath();
    counting_ = std::make_unique<BackgroundJob<DueCount>>(
        [deckName, known = std::move(known), groups, reversed, reviewSettings, now, historyFile]() mutable {
            DueCount result = std::move(known);
            if (result.deckName.isEmpty()) {
                const std::optional<QString> deckFile = existingDeckFile(dbNameOfDeck(deckName));
                Deck deck;
                if (!deckFile || !deck.open(*deckFile))
                    return DueCount{};
                result = DueCount{deckName, QFileInfo(*deckFile).fileName(), deck.cards().value_or(QVector<Card>()), 0};
            }
            QVector<Card> chosen;
            for (const Card &card : std::as_const(result.cards)) {
                if (groups.contains(card.group))
                    chosen.append(card);
            }
            // Counting leaves a learner without a history without one.
            progress::HistoryFile history;
            if (QFileInfo::exists(historyFile) && !history.open(historyFile))
                return result;
            const review::LearningDays days = reviewSettings.fsrs().days;
            QVector<progress::FacetState> states;
            review::DayCount today;
            if (history.isOpen()) {
                const std::optional<QVector<progress::FacetState>> stored = history.facetStates(result.deckFile);
                const std::optional<review::DayCount> done =
                    history.reviewsSince(result.deckFile, days.startOfDayOf(now));
                if (!stored || !done)
                    return result;
                states = *stored;
                today = *done;
            }
            std::vector<review::MemoryState> facets;
            for (const review::SessionItem &item : review::sessionItems(chosen, reversed, states))
                facets.push_back(item.state);
            result.count = int(review::dueFacets(facets, now, reviewSettings.limits, today, days).size());
            return result;
        },
        this, [this] { dueCounted(); });
}

void SideWindows::dueCounted()
{
    // An abandoned count's end arrives here too.
    if (!counting_ || !counting_->wait(QDeadlineTimer(0)))
        return;
    DueCount result = counting_->take();
    counting_.reset();
    if (!result.deckName.isEmpty()) {
        dueDeckName_ = result.deckName;
        dueDeckFile_ = result.deckFile;
        dueDeckCards_ = std::move(result.cards);
    }
    settings_.setDueCount(result.count);
}

} // namespace velmora
