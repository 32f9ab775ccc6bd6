#include "learn/testrun.h"

#include "app/services.h"
#include "store/deck.h"
#include "store/pictures.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// A sound generator finds a free entry long before this many draws per
// candidate row; the cap only keeps a broken generator from spinning for ever.
constexpr int kDrawsPerCandidate = 64;

int drawCap(int candidates)
{
    return kDrawsPerCandidate * std::max(1, candidates);
}

// Halves go to the even neighbour, whatever the floating-point environment says.
int roundHalfEven(double value)
{
    const double whole = std::floor(value);
    const double fraction = value - whole;
    const int base = int(whole);
    if (fraction > 0.5)
        return base + 1;
    if (fraction < 0.5)
        return base;
    return base % 2 == 0 ? base : base + 1;
}

// The first card with that ID; an empty card when there is none.
const Card &cardWithId(const QVector<Card> &cards, int id)
{
    static const Card none;
    const auto found = std::find_if(cards.cbegin(), cards.cend(), [id](const Card &card) { return card.id == id; });
    return found == cards.cend() ? none : *found;
}

QString meaningOf(const Card &card, bool reversed)
{
    return reversed ? card.reversedMeaning : card.normalMeaning;
}

// Keywords that are not empty, in slot order, each once; compared with case.
QStringList distinctKeywords(const QStringList &keywords, const QStringList &excluded = {})
{
    QStringList found;
    for (const QString &keyword : keywords) {
        if (!keyword.isEmpty() && !found.contains(keyword) && !excluded.contains(keyword))
            found.append(keyword);
    }
    return found;
}

} // namespace

TestLevel testLevel(int level)
{
    switch (std::clamp(level, 0, 2)) {
    case 0:
        return {2, 4, 7, 3};
    case 1:
        return {1, 5, 12, 5};
    default:
        return {0, 6, 20, 7};
    }
}

TestRun::TestRun(RandomSource &random) : random_(random) {}

void TestRun::start(const Clock &clock)
{
    ++generation_;
    pressing_ = false;
    correctTotal_ = 0;
    askedCardIds_.clear();
    questionScores_.clear();
    correctKeywordSlots_.clear();
    questionReversals_.clear();
    isFirstQuestion_ = true;
    questionNumber_ = 0;
    random_.seed(quint64(clock.now().toMSecsSinceEpoch()));
}

PressOutcome TestRun::press(const QVector<Card> &cards, Deck &deck, const TestOptions &options,
                            const AnswerReader &readAnswer, const EventPump &pumpEvents)
{
    PressOutcome outcome;
    // The answer controls stay live while the draws pump events, so a second
    // press can arrive before this one has finished.
    if (pressing_)
        return outcome;
    pressing_ = true;
    const quint64 generation = generation_;
    const auto release = qScopeGuard([&] {
        if (generation_ == generation)
            pressing_ = false;
    });

    ++questionNumber_;
    rowCount_ = int(cards.size());

    // Without rows there is no card to ask about, and waiting for a second
    // press to find the lists dimensioned would record a question about no
    // card: the test ends at once with an empty report.
    if (rowCount_ == 0 || endReached()) {
        finish(options.type);
        outcome.kind = PressOutcome::Kind::Ended;
        return outcome;
    }

    recordAnswered();
    const bool pastLastQuestion = questionNumber_ > rowCount_;
    // Past the last question the drawn card would only serve a question that
    // is never shown, so the draw is left out.
    if (!pastLastQuestion && !drawNextCard(cards, pumpEvents)) {
        outcome.kind = PressOutcome::Kind::Superseded;
        return outcome;
    }
    scoreAnswered(options.type, readAnswer ? readAnswer() : TestAnswer{});

    if (pastLastQuestion) {
        // The automatic press that ends the test. It must not depend on the
        // keyword boxes making "Next Question" available (three ticks do not
        // at the higher levels), so it is made here rather than by the window.
        isFirstQuestion_ = false;
        ++questionNumber_;
        finish(options.type);
        outcome.kind = PressOutcome::Kind::Ended;
        return outcome;
    }

    if (options.type == TestType::Description) {
        outcome.description = prepareDescriptionQuestion(cards, deck, options, pumpEvents);
        if (!outcome.description) {
            outcome.kind = PressOutcome::Kind::Superseded;
            return outcome;
        }
    } else {
        outcome.keywords = prepareKeywordQuestion(cards, deck, options.level);
    }
    isFirstQuestion_ = false;
    outcome.counterText = counterText();
    outcome.kind = PressOutcome::Kind::Question;
    return outcome;
}

bool TestRun::endReached() const
{
    return questionNumber_ - 1 > rowCount_ && !isFirstQuestion_ && !askedCardIds_.isEmpty();
}

void TestRun::finish(TestType type)
{
    // A keyword test's total is added up while the report is written.
    if (type == TestType::Description)
        correctTotal_ = int(std::count(questionScores_.cbegin(), questionScores_.cend(), 1));
}

void TestRun::recordAnswered()
{
    if (isFirstQuestion_)
        return;
    askedCardIds_.append(currentCardId_);
    questionScores_.append(0);
    questionReversals_.append(false);
}

bool TestRun::pump(const EventPump &pumpEvents) const
{
    if (!pumpEvents)
        return true;
    const quint64 generation = generation_;
    pumpEvents();
    return generation == generation_;
}

bool TestRun::drawNextCard(const QVector<Card> &cards, const EventPump &pumpEvents)
{
    const int rows = int(cards.size());
    int attempts = 0;
    do {
        const int row = random_.draw(rows);
        currentCardId_ = row >= 0 && row < rows ? cards[row].id : 0;
        if (!pump(pumpEvents))
            return false;
        ++attempts;
    } while (attempts < rows && askedCardIds_.contains(currentCardId_));
    return true;
}

void TestRun::scoreAnswered(TestType type, const TestAnswer &answer)
{
    if (isFirstQuestion_ || questionScores_.isEmpty())
        return;
    questionReversals_.last() = currentReversed_;
    int &score = questionScores_.last();
    if (type == TestType::Description) {
        // Only the option tagged "True" counts, whatever text the others show.
        if (answer.selectedOption >= 0 && answer.selectedOption == correctOption_)
            score = 1;
        return;
    }
    for (int i = 0; i < keywordsToChoose_ && i < correctKeywordSlots_.size(); ++i) {
        const int slot = correctKeywordSlots_[i];
        if (slot >= 0 && slot < kKeywordBoxes && answer.checkedKeywords[std::size_t(slot)])
            ++score;
    }
}

QImage TestRun::testCardPicture(Deck &deck) const
{
    PlainPictureHolder holder;
    LoadPictureFromField(holder, deck, currentCardId_);
    return currentReversed_ ? turnedHalf(holder.picture()) : holder.picture();
}

std::optional<DescriptionQuestion> TestRun::prepareDescriptionQuestion(const QVector<Card> &cards, Deck &deck,
                                                                       const TestOptions &options,
                                                                       const EventPump &pumpEvents)
{
    DescriptionQuestion question;
    const Card &current = cardWithId(cards, currentCardId_);
    question.cardName = current.name;

    currentReversed_ = options.reversedAllowed && roundHalfEven(random_.next() * 10) % 2 != 0;
    question.reversed = currentReversed_;

    const TestLevel level = testLevel(options.level);
    firstAnswer_ = level.firstAnswer;
    lastAnswer_ = level.lastAnswer;
    correctOption_ =
        std::clamp(int(random_.next() * (lastAnswer_ - firstAnswer_ + 1) + firstAnswer_), firstAnswer_, lastAnswer_);
    question.firstAnswer = firstAnswer_;
    question.lastAnswer = lastAnswer_;
    question.correctOption = correctOption_;

    // Wrong answers come from rows of the card set, each row at most once. A
    // card set with fewer rows than wrong answers (a single suit of a small
    // deck, a one-card selection) lends the rest from the deck's cards outside
    // the selection; an option nothing is left for stays hidden.
    std::array<int, kAnswerOptions> wrongRows{};
    wrongRows.fill(-1);
    std::array<std::optional<QString>, kAnswerOptions> lentMeanings;
    QStringList deckOnlyMeanings;
    bool deckPoolRead = false;
    int rowsUsed = 0;
    for (int i = firstAnswer_; i <= lastAnswer_; ++i) {
        if (i == correctOption_)
            continue;
        const int rows = int(cards.size());
        if (rowsUsed < rows) {
            const auto taken = [&](int r) {
                return std::find(wrongRows.cbegin(), wrongRows.cend(), r) != wrongRows.cend();
            };
            int r = 0;
            int draws = 0;
            do {
                r = 1 + random_.draw(rows);
                if (!pump(pumpEvents))
                    return std::nullopt;
                ++draws;
            } while (taken(r) && draws < drawCap(rows));
            for (int free = 1; taken(r) && free <= rows; ++free)
                r = free;
            wrongRows[std::size_t(i)] = r;
            ++rowsUsed;
            continue;
        }
        if (!deckPoolRead) {
            deckPoolRead = true;
            QVector<int> selectedIds;
            for (const Card &card : cards)
                selectedIds.append(card.id);
            for (const Card &card : deck.cards().value_or(QVector<Card>())) {
                if (!selectedIds.contains(card.id))
                    deckOnlyMeanings.append(meaningOf(card, currentReversed_));
            }
        }
        if (!deckOnlyMeanings.isEmpty())
            lentMeanings[std::size_t(i)] = deckOnlyMeanings.takeAt(random_.draw(int(deckOnlyMeanings.size())));
    }

    for (int i = firstAnswer_; i <= lastAnswer_; ++i) {
        const auto index = std::size_t(i);
        if (i == correctOption_) {
            question.picture = testCardPicture(deck);
            question.captions[index] = meaningOf(current, currentReversed_);
            question.shown[index] = true;
        } else if (wrongRows[index] > 0) {
            question.captions[index] = meaningOf(cards[wrongRows[index] - 1], currentReversed_);
            question.shown[index] = true;
        } else if (lentMeanings[index]) {
            question.captions[index] = *lentMeanings[index];
            question.shown[index] = true;
        }
    }
    return question;
}

void TestRun::placeCorrectKeywords()
{
    correctKeywordSlots_ = QVector<int>(keywordsToChoose_, -1);
    for (int i = 0; i < keywordsToChoose_; ++i) {
        int slot = 0;
        int draws = 0;
        do {
            slot = random_.draw(keywordBoxCount_);
            ++draws;
        } while (correctKeywordSlots_.contains(slot) && draws < drawCap(keywordBoxCount_));
        for (int free = 0; correctKeywordSlots_.contains(slot) && free < keywordBoxCount_; ++free)
            slot = free;
        correctKeywordSlots_[i] = slot;
    }
}

KeywordQuestion TestRun::prepareKeywordQuestion(const QVector<Card> &cards, Deck &deck, int level)
{
    KeywordQuestion question;
    currentReversed_ = false;
    const TestLevel chosen = testLevel(level);
    keywordBoxCount_ = chosen.keywordBoxCount;
    keywordsToChoose_ = chosen.keywordsToChoose;
    question.keywordBoxCount = keywordBoxCount_;
    question.keywordsToChoose = keywordsToChoose_;
    question.maxKeywordText =
        QStringLiteral("You must choose ") + QString::number(keywordsToChoose_) + QStringLiteral(" keywords");

    question.cardName = cardWithId(cards, currentCardId_).name;
    question.picture = testCardPicture(deck);

    placeCorrectKeywords();
    question.correctSlots = correctKeywordSlots_;

    const auto drawKeyword = [this](const QStringList &keywords) {
        const int rows = int(keywords.size());
        if (rows <= 0)
            return QString();
        return keywords.value(random_.draw(rows));
    };

    // A card holds up to seven keyword slots, which may repeat a keyword. When
    // its different keywords run out the remaining places repeat them, so a
    // full score stays within reach; a card without any keyword gives empty
    // places.
    const QStringList own = deck.keywords(currentCardId_).value_or(QStringList());
    const QStringList ownDistinct = distinctKeywords(own);
    const int ownRows = int(own.size());
    QStringList cardKeywords;
    for (int place = 0; place < keywordsToChoose_; ++place) {
        const auto fresh = [&](const QString &keyword) {
            return !keyword.isEmpty() && !cardKeywords.contains(keyword);
        };
        if (std::none_of(ownDistinct.cbegin(), ownDistinct.cend(), fresh)) {
            cardKeywords.append(ownDistinct.isEmpty() ? QString() : ownDistinct[place % ownDistinct.size()]);
            continue;
        }
        QString keyword;
        int draws = 0;
        do {
            keyword = drawKeyword(own);
            ++draws;
        } while (!fresh(keyword) && draws < drawCap(ownRows));
        if (!fresh(keyword))
            keyword = *std::find_if(ownDistinct.cbegin(), ownDistinct.cend(), fresh);
        cardKeywords.append(keyword);
    }

    // Wrong keywords come from the other cards of the deck, each once. When
    // they are too few for the grid the boxes that will carry the card's own
    // keywords are skipped (they are overwritten below anyway), and boxes left
    // over keep an empty caption instead of repeating a keyword.
    const QStringList others = deck.keywordsOfOtherCards(currentCardId_).value_or(QStringList());
    const QStringList othersDistinct = distinctKeywords(others, cardKeywords);
    const int otherRows = int(others.size());
    const bool scarce = othersDistinct.size() < keywordBoxCount_;
    QStringList placed;
    for (int box = 0; box < keywordBoxCount_; ++box) {
        if (placed.size() >= othersDistinct.size())
            break;
        if (scarce && correctKeywordSlots_.contains(box))
            continue;
        const auto fresh = [&](const QString &keyword) {
            return !keyword.isEmpty() && !placed.contains(keyword) && !cardKeywords.contains(keyword);
        };
        QString keyword;
        int draws = 0;
        do {
            keyword = drawKeyword(others);
            ++draws;
        } while (!fresh(keyword) && draws < drawCap(otherRows));
        if (!fresh(keyword))
            keyword = *std::find_if(othersDistinct.cbegin(), othersDistinct.cend(), fresh);
        placed.append(keyword);
        question.captions[std::size_t(box)] = keyword;
    }

    for (int i = 0; i < keywordsToChoose_; ++i)
        question.captions[std::size_t(correctKeywordSlots_[i])] = cardKeywords.value(i);

    return question;
}

KeywordCountReaction TestRun::keywordCountReaction(const std::array<bool, kKeywordBoxes> &checked) const
{
    const int boxes = std::clamp(keywordBoxCount_, 0, kKeywordBoxes);
    const auto count = int(std::count(checked.cbegin(), checked.cbegin() + boxes, true));
    if (count == keywordsToChoose_)
        return KeywordCountReaction::EnableNext;
    if (count < keywordsToChoose_)
        return KeywordCountReaction::DisableNext;
    return KeywordCountReaction::UncheckAndWarn;
}

QString TestRun::keywordCountWarning() const
{
    return QStringLiteral("You can select only ") + QString::number(keywordsToChoose_) +
           QStringLiteral(" keywords.\r\nPlease unselect one before selecting another keyword");
}

QString TestRun::counterText() const
{
    if (questionNumber_ > rowCount_)
        return {};
    return QString::number(questionNumber_) + QStringLiteral(" of ") + QString::number(rowCount_);
}

} // namespace velmora
