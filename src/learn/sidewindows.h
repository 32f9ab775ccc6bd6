#pragma once

// The windows the main window opens beside itself (progress, readings, the
// readings journal and review), the history the finished tests go to, and the
// review button's due count. The main window stays the coordinator: it asks
// this helper to open a window and hears back what the learner asked for in it.

#include "progress/frmprogress.h"
#include "progress/history.h"
#include "progress/testrecorder.h"
#include "review/reviewsettings.h"

#include "store/backgroundjob.h"
#include "store/deck.h"
#include "store/practice.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace velmora {

namespace readings {
class FrmJournal;
}
namespace review {
class FrmReview;
}
struct Services;
class OwnMeaningKeeper;
class SettingsPage;

class SideWindows : public QObject
{
    Q_OBJECT

public:
    // The deck chosen on the settings tab with its card set; on refusal the
    // user has been told why.
    using DeckOpener = std::function<std::optional<Practice>()>;
    using Groups = std::function<QVector<int>()>;

    SideWindows(Services &services, SettingsPage &settings, OwnMeaningKeeper &ownMeanings, DeckOpener openDeck,
                Groups groups, QWidget *window);

    void openProgress();
    void openReadings();
    void openJournal();
    void openReview();

    // Adds the test to the history, off the screen thread; a failure is
    // told by recordFailed().
    void record(const progress::TestRecord &test);
    // Waits for every test given to record() so far.
    void finishRecording() { recorder_.finish(); }
    // The review button's count for the chosen deck, groups and caps. It is
    // counted on a worker thread (opening a large history that changed checks
    // all of it) and shown when done; a count asked for since wins.
    void refreshDueCount();
    // True while a count is on its way.
    [[nodiscard]] bool countingDue() const { return counting_ != nullptr; }
    // The deck may have been designed anew since its cards were counted.
    void forgetDueDeck() { dueDeckName_.clear(); }

signals:
    // Memorize or test exactly these cards.
    void practiceRequested(const velmora::progress::PracticeRequest &request);
    // A reading's cards, to be tested on their meanings.
    void readingTestRequested(const velmora::progress::PracticeRequest &request);
    // A finished test could not be added to the history, for this reason.
    void recordFailed(const QString &error);

public:
    // What a count is made from and what it finds; the deck's cards are
    // handed back so that the next count of the same deck does not read them.
    struct DueCount
    {
        QString deckName;
        QString deckFile; // the file's name in the deck folder
        QVector<Card> cards;
        int count = 0;
    };

private:
    void dueCounted();

    Services &services_;
    SettingsPage &settings_;
    OwnMeaningKeeper &ownMeanings_;
    DeckOpener openDeck_;
    Groups groups_;
    QWidget *window_;
    progress::TestRecorder recorder_;
    QPointer<progress::FrmProgress> progressWindow_;
    QPointer<readings::FrmJournal> journalWindow_;
    QPointer<review::FrmReview> reviewWindow_;
    // The cards of the deck the due count was last taken for: reading a
    // deck again at every tick of a group box would be felt.
    QString dueDeckName_;
    QString dueDeckFile_; // the file's name in the deck folder
    QVector<Card> dueDeckCards_;
    // Counts no longer wanted, left to end on their own rather than waited for.
    std::vector<std::unique_ptr<BackgroundJob<DueCount>>> abandoned_;
    // Last, so that it is joined before what the count's end touches goes.
    std::unique_ptr<BackgroundJob<DueCount>> counting_;
};

} // namespace velmora
