#pragma once

// The review window: asks the due facets of the chosen cards one after
// another, grades them and stores each grade. A coordinator over its page: it
// holds the session, the deck and the writer, and feeds the page.

#include "review/reviewlog.h"
#include "store/personalmeanings.h"
#include "review/reviewsession.h"
#include "review/reviewsettings.h"

#include "store/deck.h"
#include "store/readahead.h"

#include <QVector>
#include <QWidget>

#include <memory>
#include <utility>
#include <vector>

namespace velmora {

struct Services;

namespace review {

class ReviewPage;
class ReviewWriter;

struct ReviewRequest
{
    QString deckPath;
    QString deckName;
    QVector<Card> cards;  // those of the chosen groups
    bool reversed = true; // whether reversed meanings are asked too
    ReviewSettings settings;
    QString historyPath;
    // A meaning is asked as the learner's own where they wrote one.
    bool askOwnMeanings = false;
};

// The facets of these cards, in the order new ones are learnt (every
// card's keywords, then meanings, then reversed meanings), with the states
// the history holds (new where it holds none).
[[nodiscard]] std::vector<SessionItem> sessionItems(const QVector<Card> &cards, bool reversed,
                                                    const QVector<FacetState> &states);

class FrmReview : public QWidget
{
    Q_OBJECT

public:
    FrmReview(Services &services, ReviewRequest request, QWidget *parent = nullptr);
    ~FrmReview() override;

    // Opens the deck and the history and asks the first facet; on false the
    // user has been told why and the window is not to be shown.
    [[nodiscard]] bool start();
    [[nodiscard]] const ReviewSession *session() const { return session_.get(); }

signals:
    // Grades were stored or taken back: due counts are to be read again.
    void reviewsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showCurrent();
    // Decodes the item's picture off the screen thread, to fit within shown
    // and turned for the reversed meaning; shown once it is ready.
    void decode(const SessionItem &item, QSize shown);
    void decoded();
    [[nodiscard]] bool asksOwn(const SessionItem &item) const;
    void reveal();
    void grade(int grade);
    void undo();
    void showSummary(const QString &trouble = QString());
    void writeFailed(const QString &error);

    Services &services_;
    ReviewRequest request_;
    QString deckFile_;
    Deck deck_;
    PictureReadAhead readAhead_;
    std::unique_ptr<BackgroundJob<QImage>> decoding_;
    std::pair<int, Facet> decodingFor_{0, Facet::Keywords};
    // Decodes no longer wanted, left to end on their own.
    std::vector<std::unique_ptr<BackgroundJob<QImage>>> abandoned_;
    std::unique_ptr<ReviewSession> session_;
    std::unique_ptr<ReviewWriter> writer_;
    ReviewPage *page_ = nullptr;
    bool graded_ = false;
    bool stopped_ = false;                     // a write failed
    progress::PersonalMeaningMap ownMeanings_; // by card name
};

} // namespace review
} // namespace velmora
