#include "review/frmreview.h"

#include "review/reviewpage.h"
#include "review/reviewwriter.h"

#include "app/prompter.h"
#include "app/services.h"
#include "app/shell.h"
#include "app/windowplace.h"
#include "app/picturebox.h"
#include "store/pictures.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QShortcut>
#include <QVBoxLayout>

namespace velmora::review {

namespace {

QString questionOf(Facet facet)
{
    switch (facet) {
    case Facet::Keywords:
        return QCoreApplication::translate("velmora::review::FrmReview", "Keywords?");
    case Facet::Upright:
        return QCoreApplication::translate("velmora::review::FrmReview", "Meaning?");
    case Facet::Reversed:
        break;
    }
    return QCoreApplication::translate("velmora::review::FrmReview", "Reversed meaning?");
}

// The question on a facet the learner gave a meaning of their own.
QString ownQuestionOf(Facet facet)
{
    return facet == Facet::Reversed
               ? QCoreApplication::translate("velmora::review::FrmReview", "Your own reversed meaning?")
               : QCoreApplication::translate("velmora::review::FrmReview", "Your own meaning?");
}

QString durationText(qint64 seconds)
{
    if (seconds < 60)
        return QCoreApplication::translate("velmora::review::FrmReview", "%1 s").arg(seconds);
    if (seconds < 3600)
        return QCoreApplication::translate("velmora::review::FrmReview", "%1 min %2 s")
            .arg(seconds / 60)
            .arg(seconds % 60);
    return QCoreApplication::translate("velmora::review::FrmReview", "%1 h %2 min")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60);
}

} // namespace

std::vector<SessionItem> sessionItems(const QVector<Card> &cards, bool reversed,
                                      const QVector<FacetState> &states)
{
    QHash<qint64, MemoryState> stateOf;
    for (const FacetState &state : states)
        stateOf.insert(qint64(state.cardId) * 4 + int(state.facet), state.state);
    std::vector<SessionItem> items;
    items.reserve(size_t(cards.size()) * 3);
    // Facet by facet: a card's meaning asked right after its keywords would
    // be half answered by them.
    for (const Facet facet : {Facet::Keywords, Facet::Upright, Facet::Reversed}) {
        for (const Card &card : cards) {
            if (facet != Facet::Reversed || reversed)
                items.push_back(SessionItem{card.id, facet, stateOf.value(qint64(card.id) * 4 + int(facet))});
        }
    }
    return items;
}

FrmReview::FrmReview(Services &services, ReviewRequest request, QWidget *parent)
    : QWidget(parent, Qt::Window), services_(services), request_(std::move(request)),
      deckFile_(QFileInfo(request_.deckPath).fileName())
{
    setObjectName(QStringLiteral("frmReview"));
    setWindowTitle(tr("Review Due Cards - %1").arg(request_.deckName));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    page_ = new ReviewPage(this);
    layout->addWidget(page_);
    connect(page_, &ReviewPage::revealRequested, this, &FrmReview::reveal);
    connect(page_, &ReviewPage::gradeChosen, this, &FrmReview::grade);
    connect(page_, &ReviewPage::undoRequested, this, &FrmReview::undo);
    connect(page_, &ReviewPage::closeRequested, this, &QWidget::close);
    connect(&page_->pictureBox(), &PictureBox::outgrown, this, [this] {
        if (const SessionItem *item = session_ ? session_->current() : nullptr)
            decode(*item, page_->pictureBox().decodeSize());
    });
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this), &QShortcut::activated, this, [] { EndProgram(); });
    keepWindowPlace(*this, services_.settings, QSize(960, 680));
}

FrmReview::~FrmReview()
{
    // A grade given is a grade stored, however the window goes.
    if (writer_) {
        writer_->disconnect(this);
        (void)writer_->finish();
    }
}

bool FrmReview::start()
{
    const auto refuse = [this](const QString &why) {
        services_.prompter.tell(tr("The review cannot start. %1").arg(why), PromptIcon::Critical, this);
        return false;
    };
    if (!deck_.open(request_.deckPath))
        return refuse(deck_.errorText());
    store::HistoryDb history;
    if (!history.open(request_.historyPath))
        return refuse(history.errorText());
    const QDateTime now = services_.clock.now();
    const Fsrs fsrs(request_.settings.fsrs());
    const std::optional<QVector<FacetState>> states = ReviewLog(history).facetStates(deckFile_);
    const std::optional<DayCount> today = ReviewLog(history).reviewsSince(deckFile_, fsrs.settings().days.startOfDayOf(now));
    if (!states || !today)
        return refuse(history.errorText());
    // Without them the review goes on with the deck's meanings alone.
    ownMeanings_ = progress::readPersonalMeanings(request_.historyPath, request_.deckName)
                       .value_or(progress::PersonalMeaningMap());
    readAhead_.setDeck(deck_.path());
    session_ = std::make_unique<ReviewSession>(fsrs, sessionItems(request_.cards, request_.reversed, *states),
                                               request_.settings.limits, *today, now, request_.settings.holdSiblings);
    writer_ = std::make_unique<ReviewWriter>(std::move(history));
    connect(writer_.get(), &ReviewWriter::failed, this, &FrmReview::writeFailed);
    showCurrent();
    return true;
}

void FrmReview::showCurrent()
{
    page_->setUndoEnabled(session_->canUndo());
    const SessionItem *item = session_->current();
    if (!item) {
        showSummary();
        return;
    }
    const QSize shown = page_->pictureBox().decodeSize();
    std::optional<QImage> picture = readAhead_.take(item->cardId, shown);
    if (picture && item->facet == Facet::Reversed)
        picture = turnedHalf(*picture);
    else if (!picture)
        decode(*item, shown);
    if (const std::optional<int> upcoming = session_->upcomingCard(); upcoming && *upcoming != item->cardId)
        readAhead_.start(*upcoming, shown);
    page_->showQuestion(picture.value_or(QImage()),
                        asksOwn(*item) ? ownQuestionOf(item->facet) : questionOf(item->facet),
                        tr("Reviewed: %1").arg(session_->summary().reviewed));
}

bool FrmReview::asksOwn(const SessionItem &item) const
{
    if (!request_.askOwnMeanings || item.facet == Facet::Keywords)
        return false;
    for (const Card &card : request_.cards) {
        if (card.id == item.cardId)
            return !ownMeanings_.value(card.name).of(item.facet == Facet::Reversed).isEmpty();
    }
    return false;
}

void FrmReview::decode(const SessionItem &item, QSize shown)
{
    std::erase_if(abandoned_, [](const auto &job) { return job->wait(QDeadlineTimer(0)); });
    if (decoding_)
        abandoned_.push_back(std::move(decoding_));
    decodingFor_ = {item.cardId, item.facet};
    decoding_ = std::make_unique<BackgroundJob<QImage>>(
        [path = deck_.path(), cardId = item.cardId, shown, turned = item.facet == Facet::Reversed] {
            Deck deck;
            if (!deck.open(path))
                return QImage();
            const QImage upright = decodePicture(deck.picture(cardId), shown);
            return turned ? turnedHalf(upright) : upright;
        },
        this, [this] { decoded(); });
}

void FrmReview::decoded()
{
    // An abandoned decode's end arrives here too.
    if (!decoding_ || !decoding_->wait(QDeadlineTimer(0)))
        return;
    const QImage picture = decoding_->take();
    decoding_.reset();
    const SessionItem *item = session_ ? session_->current() : nullptr;
    if (item && std::pair(item->cardId, item->facet) == decodingFor_)
        page_->pictureBox().setPicture(picture);
}

void FrmReview::reveal()
{
    const SessionItem *item = session_ && !stopped_ ? session_->current() : nullptr;
    if (!item || session_->revealed())
        return;
    session_->reveal();
    QString name;
    QString answer;
    for (const Card &card : std::as_const(request_.cards)) {
        if (card.id != item->cardId)
            continue;
        name = card.name;
        answer = item->facet == Facet::Upright ? card.normalMeaning : card.reversedMeaning;
        break;
    }
    if (item->facet == Facet::Keywords) {
        QStringList keywords = deck_.keywords(item->cardId).value_or(QStringList());
        keywords.removeAll(QString());
        answer = keywords.join(QStringLiteral(", "));
    }
    if (item->facet != Facet::Keywords) {
        const QString own = ownMeanings_.value(name).of(item->facet == Facet::Reversed);
        if (asksOwn(*item))
            answer = tr("My own meaning:\n%1\n\nThe deck's meaning:\n%2").arg(own, answer);
        else if (!own.isEmpty())
            answer += tr("\n\nMy own meaning:\n%1").arg(own);
    }
    const QDateTime now = services_.clock.now();
    std::array<QString, kGradeCount> intervals;
    for (int i = 0; i < kGradeCount; ++i)
        intervals[size_t(i)] = session_->intervalLabel(Grade(i + 1), now);
    page_->showAnswer(name, answer, intervals);
}

void FrmReview::grade(int grade)
{
    if (!session_ || stopped_ || grade < 1 || grade > kGradeCount)
        return;
    const QDateTime now = services_.clock.now();
    if (session_->revealed() && session_->refusesAt(now)) {
        services_.prompter.tell(tr("The clock now is earlier than this card's last review, so the grade "
                                   "is not counted. Check the computer's date and time."),
                                PromptIcon::Warning, this);
        return;
    }
    const std::optional<GradeOutcome> outcome = session_->grade(Grade(grade), now);
    if (!outcome)
        return;
    writer_->record(ReviewRecord{now, deckFile_, outcome->item.cardId, outcome->item.facet, outcome->grade,
                                           outcome->item.state, outcome->after});
    graded_ = true;
    // On disk before the next card shows: the grade the learner saw taken
    // outlives a crash. A failed write has stopped the session instead.
    if (!writer_->finish())
        return;
    showCurrent();
}

void FrmReview::undo()
{
    if (!session_ || stopped_ || !session_->undo())
        return;
    writer_->undoLast(deckFile_);
    if (!writer_->finish())
        return;
    showCurrent();
}

void FrmReview::showSummary(const QString &trouble)
{
    const SessionSummary summary = session_->summary();
    QString text = summary.reviewed == 0 ? tr("Nothing is due now.")
                                         : tr("Session complete\n\nReviewed: %1\nAgain: %2\nTime taken: %3")
                                               .arg(summary.reviewed)
                                               .arg(summary.again)
                                               .arg(durationText(summary.seconds));
    if (!trouble.isEmpty())
        text += QStringLiteral("\n\n") + trouble;
    page_->showSummary(text);
}

void FrmReview::writeFailed(const QString &error)
{
    // What is on screen no longer matches the history: the session stops.
    stopped_ = true;
    page_->setUndoEnabled(false);
    showSummary(tr("The latest grades were not saved."));
    services_.prompter.tell(tr("A grade could not be added to your progress history, so the review "
                               "has stopped. %1")
                                .arg(error),
                            PromptIcon::Warning, this);
}

void FrmReview::closeEvent(QCloseEvent *event)
{
    if (writer_)
        (void)writer_->finish();
    if (graded_)
        emit reviewsChanged();
    event->accept();
}

} // namespace velmora::review
