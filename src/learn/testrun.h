#pragma once

// The state and the rules of one test over the practice's card set: which card
// comes next, how an answer scores, and what each question offers. The main
// window owns one TestRun, feeds it the answer read from its controls and
// copies the prepared question back into them.

#include "progress/testlevel.h"

#include <QCoreApplication>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QSize>
#include <QString>
#include <QVector>

#include <array>
#include <functional>
#include <optional>

namespace velmora {

class Clock;
class Deck;
struct Card;
class RandomSource;

enum class TestType { Description = 0, Keywords = 1 };

inline constexpr int kAnswerOptions = 7;
inline constexpr int kKeywordBoxes = 20;

struct TestOptions
{
    TestType type = TestType::Keywords;
    int level = 0;
    bool reversedAllowed = true; // chkReversed: description questions may show the card reversed
    QSize pictureSize;           // the picture box's, in device pixels: pictures are decoded to fit it
    // The asked card's picture at pictureSize, not yet turned, from whoever
    // read it ahead; a null image leaves the question without one for now.
    // Unset, the picture is read from the deck during the press.
    std::function<QImage(int cardId)> pictureOf;
};

// What the user had chosen on the question being answered.
struct TestAnswer
{
    int selectedOption = -1; // optAnswer index, -1 when none
    std::array<bool, kKeywordBoxes> checkedKeywords{};
};

struct DescriptionQuestion
{
    QString cardName;
    bool reversed = false;
    int firstAnswer = 0;
    int lastAnswer = 0;
    int correctOption = 0;                        // the option tagged "True"
    std::array<QString, kAnswerOptions> captions; // empty outside firstAnswer..lastAnswer
    // Inside the range an option is shown unless the chosen groups hold too
    // few meanings other than the right one for it: no option repeats a text.
    std::array<bool, kAnswerOptions> shown{};
    QImage picture; // already turned when reversed; null without a picture
};

struct KeywordQuestion
{
    QString cardName;
    int keywordBoxCount = 0;
    int keywordsToChoose = 0;
    QString maxKeywordText; // "You must choose 3 keywords"
    std::array<QString, kKeywordBoxes> captions;
    QVector<int> correctSlots;
    QImage picture;
};

// What the window does after a press of "Next Question".
struct PressOutcome
{
    enum class Kind {
        Question, // show the prepared question and the counter
        Ended     // the test is over: results tab, report, "Test Complete"
    };
    Kind kind = Kind::Ended;
    std::optional<DescriptionQuestion> description;
    std::optional<KeywordQuestion> keywords;
    QString counterText;
};

// The reaction to a click on a keyword box, from the number of ticked boxes.
enum class KeywordCountReaction { EnableNext, DisableNext, UncheckAndWarn };

class TestRun
{
    Q_DECLARE_TR_FUNCTIONS(TestRun)

public:
    using AnswerReader = std::function<TestAnswer()>;

    explicit TestRun(RandomSource &random);

    // Resets the state and seeds the generator from the clock.
    void start(const Clock &clock);

    // One press of "Next Question" on the practice's card set and deck
    // connection. readAnswer is asked once the next card has been drawn, as
    // the answer is scored. The draws are bounded and take milliseconds, so
    // no window events are handled during a press.
    PressOutcome press(const QVector<Card> &cards, Deck &deck, const TestOptions &options,
                       const AnswerReader &readAnswer);

    [[nodiscard]] KeywordCountReaction keywordCountReaction(const std::array<bool, kKeywordBoxes> &checked) const;
    [[nodiscard]] QString keywordCountWarning() const;
    // "3 of 22", or empty once past the last question.
    [[nodiscard]] QString counterText() const;

    // The asked card's picture decoded to fit within shownSize, turned when
    // the question is about the reversed card; null without a picture.
    [[nodiscard]] QImage testCardPicture(Deck &deck, QSize shownSize) const;

    [[nodiscard]] int questionNumber() const { return questionNumber_; }
    [[nodiscard]] bool currentReversed() const { return currentReversed_; }
    [[nodiscard]] const QVector<int> &askedCardIds() const { return askedCardIds_; }
    [[nodiscard]] const QVector<int> &questionScores() const { return questionScores_; }
    [[nodiscard]] const QVector<bool> &questionReversals() const { return questionReversals_; }
    [[nodiscard]] int correctTotal() const { return correctTotal_; }
    void setCorrectTotal(int total) { correctTotal_ = total; }
    // The offer of the level of the last question prepared.
    [[nodiscard]] int firstAnswer() const { return level_.firstAnswer; }
    [[nodiscard]] int correctOption() const { return correctOption_; }
    [[nodiscard]] int keywordsToChoose() const { return level_.keywordsToChoose; }
    [[nodiscard]] const QVector<int> &correctKeywordSlots() const { return correctKeywordSlots_; }
    // Rows of the card set when the last press began.
    [[nodiscard]] int rowCount() const { return rowCount_; }

private:
    [[nodiscard]] bool endReached() const;
    void finish(TestType type);
    void recordAnswered();
    void drawNextCard(const QVector<Card> &cards);
    void scoreAnswered(TestType type, const TestAnswer &answer);
    [[nodiscard]] DescriptionQuestion prepareDescriptionQuestion(const QVector<Card> &cards, Deck &deck,
                                                                 const TestOptions &options);
    [[nodiscard]] KeywordQuestion prepareKeywordQuestion(const QVector<Card> &cards, Deck &deck,
                                                         const TestOptions &options);
    [[nodiscard]] QImage questionPicture(Deck &deck, const TestOptions &options) const;
    void readDeckKeywords(Deck &deck);
    void placeCorrectKeywords();

    RandomSource &random_;
    int rowCount_ = 0;

    int questionNumber_ = 0;
    bool isFirstQuestion_ = true;
    int currentCardId_ = 0;
    bool currentReversed_ = false;
    QVector<int> askedCardIds_;
    QSet<int> asked_; // the same IDs, for the draw to look up
    QVector<int> questionScores_;
    QVector<bool> questionReversals_;
    int correctTotal_ = 0;
    TestLevel level_;
    int correctOption_ = -1;
    QVector<int> correctKeywordSlots_;
    // The keywords of every slot of the deck, read once per test (a deck of
    // 10,000 cards holds 70,000), and the deck they were read from.
    QStringList deckKeywords_;
    QHash<int, QStringList> slotsByCard_;
    QString deckKeywordsPath_;
};

} // namespace velmora
