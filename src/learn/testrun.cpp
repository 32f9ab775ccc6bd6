#include "learn/testrun.h"

#include "app/services.h"
#include "store/deck.h"
#include "store/pictures.h"

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
QStringList distinctKeywords(const QStringList &keywords)
{
    QStringList found;
    for (const QString &keyword : keywords) {
        if (!keyword.isEmpty() && !found.contains(keyword))
            found.append(keyword);
    }
    return found;
}

} // namespace

TestRun::TestRun(RandomSource &random) : random_(random) {}

void TestRun::start(const Clock &clock)
{
    correctTotal_ = 0;
    deckKeywords_.clear();
    slotsByCard_.clear();
    deckKeywordsPath_.clear();
    askedCardIds_.clear();
    asked_.clear();
    questionScores_.clear();
    correctKeywordSlots_.clear();
    questionReversals_.clear();
    isFirstQuestion_ = true;
    questionNumber_ = 0;
    random_.seed(quint64(clock.now().toMSecsSinceEpoch()));
}

PressOutcome TestRun::press(const QVector<Card> &cards, Deck &deck, const TestOptions &options,
                            const AnswerReader &readAnswer)
{
    PressOutcome outcome;
    ++questionNumber_;
    rowCount_ = int(cards.size());

    // Without rows there is no card to ask about, and waiting for a second
    // press to find the lists dimensioned would record a question about no
    // card: the test ends at once with an empty report.
    if (rowCount_ == 0 || endReached()) {
        finish(options.type);
        return outcome;
    }

    recordAnswered();
    const bool pastLastQuestion = questionNumber_ > rowCount_;
    // Past the last question the drawn card would only serve a question that
    // is never shown, so the draw is left out.
    if (!pastLastQuestion)
        drawNextCard(cards);
    scoreAnswered(options.type, readAnswer ? readAnswer() : TestAnswer{});

    if (pastLastQuestion) {
        // The automatic press that ends the test. It must not depend on the
        // keyword boxes making "Next Question" available (three ticks do not
        // at the higher levels), so it is made here rather than by the window.
        isFirstQuestion_ = false;
        ++questionNumber_;
        finish(options.type);
        return outcome;
    }

    if (options.type == TestType::Description)
        outcome.description = prepareDescriptionQuestion(cards, deck, options);
    else
        outcome.keywords = prepareKeywordQuestion(cards, deck, options);
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
    asked_.insert(currentCardId_);
    questionScores_.append(0);
    questionReversals_.append(false);
}

void TestRun::drawNextCard(const QVector<Card> &cards)
{
    const int rows = int(cards.size());
    int attempts = 0;
    do {
        const int row = random_.draw(rows);
        currentCardId_ = row >= 0 && row < rows ? cards[row].id : 0;
        ++attempts;
    } while (attempts < rows && asked_.contains(currentCardId_));
    // As many draws as there are cards may all find asked ones; the first
    // unasked card then comes next, so a test asks every card once.
    if (!asked_.contains(currentCardId_))
        return;
    const auto unasked =
        std::find_if(cards.cbegin(), cards.cend(), [this](const Card &card) { return !asked_.contains(card.id); });
    if (unasked != cards.cend())
        currentCardId_ = unasked->id;
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
    for (int i = 0; i < level_.keywordsToChoose && i < correctKeywordSlots_.size(); ++i) {
        const int slot = correctKeywordSlots_[i];
        if (slot >= 0 && slot < kKeywordBoxes && answer.checkedKeywords[std::size_t(slot)])
            ++score;
    }
}

QImage TestRun::testCardPicture(Deck &deck, QSize shownSize) const
{
    PlainPictureHolder holder;
    LoadPictureFromField(holder, deck, currentCardId_, shownSize);
    return currentReversed_ ? turnedHalf(holder.picture()) : holder.picture();
}

QImage TestRun::questionPicture(Deck &deck, const TestOptions &options) const
{
    if (!options.pictureOf)
        return testCardPicture(deck, options.pictureSize);
    const QImage picture = options.pictureOf(currentCardId_);
    return currentReversed_ ? turnedHalf(picture) : picture;
}

DescriptionQuestion TestRun::prepareDescriptionQuestion(const QVector<Card> &cards, Deck &deck,
                                                        const TestOptions &options)
{
    DescriptionQuestion question;
    const Card &current = cardWithId(cards, currentCardId_);
    question.cardName = current.name;

    currentReversed_ = options.reversedAllowed && roundHalfEven(random_.next() * 10) % 2 != 0;
    question.reversed = currentReversed_;

    level_ = testLevel(options.level);
    const int first = level_.firstAnswer;
    const int last = level_.lastAnswer;
    correctOption_ = std::clamp(int(random_.next() * (last - first + 1) + first), first, last);
    question.firstAnswer = first;
    question.lastAnswer = last;
    question.correctOption = correctOption_;
    question.picture = questionPicture(deck, options);
    question.captions[std::size_t(correctOption_)] = meaningOf(current, currentReversed_);
    question.shown[std::size_t(correctOption_)] = true;

    // Wrong answers are meanings of other rows of the card set (the chosen
    // groups), in the question's orientation, each text once and never the
    // right one. An option no such meaning is left for stays hidden.
    QSet<QString> onScreen{question.captions[std::size_t(correctOption_)]};
    QVector<int> takenRows;
    const int rows = int(cards.size());
    const auto fits = [&](int r) {
        return !takenRows.contains(r) && !onScreen.contains(meaningOf(cards[r - 1], currentReversed_));
    };
    for (int i = first; i <= last; ++i) {
        if (i == correctOption_)
            continue;
        int firstFit = 0;
        for (int r = 1; r <= rows && firstFit == 0; ++r)
            firstFit = fits(r) ? r : 0;
        if (firstFit == 0)
            continue;
        int r = 0;
        int draws = 0;
        do {
            r = 1 + random_.draw(rows);
            ++draws;
        } while (!fits(r) && draws < drawCap(rows));
        if (!fits(r))
            r = firstFit;
        takenRows.append(r);
        const QString &meaning = meaningOf(cards[r - 1], currentReversed_);
        onScreen.insert(meaning);
        question.captions[std::size_t(i)] = meaning;
        question.shown[std::size_t(i)] = true;
    }
    return question;
}

// The deck's slots are read once per test. The keywords of the first card
// asked go last, which keeps the draws over the other cards' slots where they
// have always landed.
void TestRun::readDeckKeywords(Deck &deck)
{
    deckKeywordsPath_ = deck.path();
    deckKeywords_.clear();
    slotsByCard_.clear();
    const QVector<KeywordSlot> deckSlots = deck.keywordSlots().value_or(QVector<KeywordSlot>());
    for (const KeywordSlot &slot : deckSlots) {
        slotsByCard_[slot.cardId].append(slot.keyword);
        if (slot.cardId != currentCardId_)
            deckKeywords_.append(slot.keyword);
    }
    deckKeywords_ += slotsByCard_.value(currentCardId_);
}

void TestRun::placeCorrectKeywords()
{
    const int boxes = level_.keywordBoxCount;
    correctKeywordSlots_ = QVector<int>(level_.keywordsToChoose, -1);
    for (int i = 0; i < level_.keywordsToChoose; ++i) {
        int slot = 0;
        int draws = 0;
        do {
            slot = random_.draw(boxes);
            ++draws;
        } while (correctKeywordSlots_.contains(slot) && draws < drawCap(boxes));
        for (int free = 0; correctKeywordSlots_.contains(slot) && free < boxes; ++free)
            slot = free;
        correctKeywordSlots_[i] = slot;
    }
}

KeywordQuestion TestRun::prepareKeywordQuestion(const QVector<Card> &cards, Deck &deck, const TestOptions &options)
{
    KeywordQuestion question;
    currentReversed_ = false;
    level_ = testLevel(options.level);
    const int boxes = level_.keywordBoxCount;
    const int toChoose = level_.keywordsToChoose;
    question.keywordBoxCount = boxes;
    question.keywordsToChoose = toChoose;
    question.maxKeywordText = tr("You must choose %1 keywords").arg(toChoose);

    question.cardName = cardWithId(cards, currentCardId_).name;
    question.picture = questionPicture(deck, options);

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
    if (deckKeywordsPath_ != deck.path() || slotsByCard_.isEmpty())
        readDeckKeywords(deck);
    const QStringList own = slotsByCard_.value(currentCardId_);
    const QStringList ownDistinct = distinctKeywords(own);
    const int ownRows = int(own.size());
    QStringList cardKeywords;
    for (int place = 0; place < toChoose; ++place) {
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

    // Wrong keywords come from the other cards of the deck, each once, and
    // are never a keyword of the card itself (ticking one would score
    // nothing). When they are too few for the grid the boxes that will carry
    // the card's own keywords are skipped (they are overwritten below anyway),
    // and boxes left over keep an empty caption instead of repeating a
    // keyword. The slots of the whole deck are read once per test; draws land
    // uniformly on the slots of other cards that do not carry one of the
    // card's keywords, as the card's own slots all do. Every look-up below is
    // a hash or a walk that stops at the first find.
    const QStringList &others = deckKeywords_;
    const QSet<QString> ownSet(own.cbegin(), own.cend());
    QSet<QString> placed;
    const auto fresh = [&](const QString &keyword) {
        return !keyword.isEmpty() && !placed.contains(keyword) && !ownSet.contains(keyword);
    };
    int available = 0; // different fresh keywords, counted up to the grid's size
    {
        QSet<QString> seen;
        for (auto it = others.cbegin(); it != others.cend() && int(seen.size()) < boxes; ++it) {
            if (fresh(*it))
                seen.insert(*it);
        }
        available = int(seen.size());
    }
    const bool scarce = available < boxes;
    const int otherRows = int(others.size());
    for (int box = 0; box < boxes && int(placed.size()) < available; ++box) {
        if (scarce && correctKeywordSlots_.contains(box))
            continue;
        QString keyword;
        int draws = 0;
        do {
            keyword = drawKeyword(others);
            ++draws;
        } while (!fresh(keyword) && draws < drawCap(otherRows));
        if (!fresh(keyword))
            keyword = *std::find_if(others.cbegin(), others.cend(), fresh);
        placed.insert(keyword);
        question.captions[std::size_t(box)] = keyword;
    }

    for (int i = 0; i < toChoose; ++i)
        question.captions[std::size_t(correctKeywordSlots_[i])] = cardKeywords.value(i);

    return question;
}

KeywordCountReaction TestRun::keywordCountReaction(const std::array<bool, kKeywordBoxes> &checked) const
{
    const int boxes = std::clamp(level_.keywordBoxCount, 0, kKeywordBoxes);
    const auto count = int(std::count(checked.cbegin(), checked.cbegin() + boxes, true));
    if (count == level_.keywordsToChoose)
        return KeywordCountReaction::EnableNext;
    if (count < level_.keywordsToChoose)
        return KeywordCountReaction::DisableNext;
    return KeywordCountReaction::UncheckAndWarn;
}

QString TestRun::keywordCountWarning() const
{
    return tr("You can select only %1 keywords.\r\nPlease unselect one before selecting another keyword")
        .arg(level_.keywordsToChoose);
}

QString TestRun::counterText() const
{
    if (questionNumber_ > rowCount_)
        return {};
    return tr("%1 of %2").arg(QString::number(questionNumber_), QString::number(rowCount_));
}

} // namespace velmora
