#include "deckbuilder.h"
#include "fakes.h"
#include "testhome.h"

#include "learn/testrun.h"
#include "store/database.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QBuffer>
#include <QImage>
#include <QSet>
#include <QTest>

#include <memory>

using namespace velmora;
using velmora::test::CardRow;
using velmora::test::plainCard;

namespace {

const QString kAllCards = QStringLiteral("SELECT * FROM tblCards ORDER BY ID");

// A deck in a fresh program folder and the card set of one practice on it.
struct Practice
{
    test::TestHome home;
    Database deck;
    ResultSet cards;

    [[nodiscard]] bool open(const QVector<CardRow> &rows, const QString &cardSql = kAllCards)
    {
        home.makeFolders();
        if (!home.createDeck(QStringLiteral("tutor/Tutor1.vdk")) || !OpenDatabase(deck, paths::defaultDeck()))
            return false;
        return test::addCards(deck, rows) && OpenResultSet(cards, deck, cardSql);
    }
};

QVector<CardRow> plainCards(int count, int firstId = 1)
{
    QVector<CardRow> rows;
    for (int id = firstId; id < firstId + count; ++id)
        rows.append(plainCard(id));
    return rows;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Top half red, bottom half blue: a half turn is easy to see.
QImage twoColourPicture()
{
    QImage image(8, 12, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    return image;
}

// Answers every question right from what the last prepared question offered.
struct RightAnswers
{
    PressOutcome last;
    TestAnswer operator()() const
    {
        TestAnswer answer;
        if (last.description)
            answer.selectedOption = last.description->correctOption;
        if (last.keywords)
            for (int slot : last.keywords->correctSlots)
                answer.checkedKeywords[std::size_t(slot)] = true;
        return answer;
    }
};

TestOptions options(TestType type, int level, bool reversed = false)
{
    return TestOptions{type, level, reversed};
}

QSet<QString> nonEmpty(const QStringList &texts)
{
    QSet<QString> set;
    for (const QString &text : texts)
        if (!text.isEmpty())
            set.insert(text);
    return set;
}

template <std::size_t N>
QStringList toList(const std::array<QString, N> &captions)
{
    return QStringList(captions.begin(), captions.end());
}

} // namespace

class TestRunTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void wholeTest_asksEveryCardOnceAndEndsOnThePressAfterTheLast_data();
    void wholeTest_asksEveryCardOnceAndEndsOnThePressAfterTheLast();
    void start_resetsTheStateAndSeedsFromTheClock();
    void scriptedDescriptionTest_followsTheDrawOrder();
    void reversal_roundsHalvesToEven_data();
    void reversal_roundsHalvesToEven();
    void reversedQuestion_showsReversedMeaningsAndTurnedPicture();
    void keywordTest_neverReversed();
    void descriptionLevels_showTheirOptionRange_data();
    void descriptionLevels_showTheirOptionRange();
    void keywordQuestion_placesTheCardsKeywordsAmongOthers_data();
    void keywordQuestion_placesTheCardsKeywordsAmongOthers();
    void keywordScore_countsOnlyTicksOnTheCardsKeywords_data();
    void keywordScore_countsOnlyTicksOnTheCardsKeywords();
    void cardWithFewKeywords_repeatsThemAndEnds_data();
    void cardWithFewKeywords_repeatsThemAndEnds();
    void deckWithFewOtherKeywords_leavesBoxesEmpty();
    void oneCardSelection_borrowsWrongAnswersFromTheDeck();
    void oneCardDeck_hidesOptionsWithoutAnswer();
    void emptyCardSet_endsAtOnce();
    void stuckGenerator_stillEndsEveryDraw();
    void keywordCountReaction_data();
    void keywordCountReaction();
    void pressDuringDraw_isIgnored();
    void testStartedDuringDraw_supersedesThePress();

private:
    // Six plain cards, for the tests that only read the deck.
    std::unique_ptr<Practice> shared_;
};

void TestRunTest::initTestCase()
{
    shared_ = std::make_unique<Practice>();
    QVERIFY(shared_->open(plainCards(6)));
}

void TestRunTest::wholeTest_asksEveryCardOnceAndEndsOnThePressAfterTheLast_data()
{
    QTest::addColumn<int>("cardCount");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("level");
    for (int level = 0; level <= 2; ++level) {
        QTest::addRow("one card, keywords, level %d", level) << 1 << int(TestType::Keywords) << level;
        QTest::addRow("22 cards, keywords, level %d", level) << 22 << int(TestType::Keywords) << level;
        QTest::addRow("22 cards, description, level %d", level) << 22 << int(TestType::Description) << level;
    }
    QTest::addRow("one card, description, level 2") << 1 << int(TestType::Description) << 2;
}

void TestRunTest::wholeTest_asksEveryCardOnceAndEndsOnThePressAfterTheLast()
{
    QFETCH(int, cardCount);
    QFETCH(int, type);
    QFETCH(int, level);
    Practice practice;
    QVERIFY(practice.open(plainCards(cardCount, 101)));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);

    RightAnswers answers;
    QStringList counters;
    QVector<int> shownCards;
    PressOutcome outcome;
    const TestOptions chosen = options(TestType(type), level, true);
    for (int press = 1; press <= cardCount + 1; ++press) {
        outcome = run.press(practice.cards, practice.deck, chosen, answers);
        if (outcome.kind != PressOutcome::Kind::Question)
            break;
        counters.append(outcome.counterText);
        shownCards.append(run.currentCardId());
        answers.last = outcome;
    }

    QCOMPARE(outcome.kind, PressOutcome::Kind::Ended);
    QCOMPARE(counters.size(), cardCount);
    QCOMPARE(counters.first(), QStringLiteral("1 of %1").arg(cardCount));
    QCOMPARE(counters.last(), QStringLiteral("%1 of %1").arg(cardCount));
    // Cards may repeat once the draw gives up (see the scripted test), so
    // only the record of what was shown is checked here.
    QCOMPARE(run.askedCardIds(), shownCards);
    for (int id : shownCards)
        QVERIFY(id >= 101 && id < 101 + cardCount);
    QCOMPARE(run.questionScores().size(), cardCount);
    QCOMPARE(run.questionReversals().size(), cardCount);
    const int perQuestion = TestType(type) == TestType::Description ? 1 : testLevel(level).keywordsToChoose;
    for (int score : run.questionScores())
        QCOMPARE(score, perQuestion);
    if (TestType(type) == TestType::Description)
        QCOMPARE(run.correctTotal(), cardCount);
    else
        QCOMPARE(run.correctTotal(), 0); // added up by the report
    QCOMPARE(run.counterText(), QString());
}

void TestRunTest::start_resetsTheStateAndSeedsFromTheClock()
{
    Practice practice;
    QVERIFY(practice.open(plainCards(3)));
    test::ScriptedRandom random({0.5});
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    RightAnswers answers;
    for (int press = 0; press < 3; ++press)
        answers.last = run.press(practice.cards, practice.deck, options(TestType::Description, 0), answers);
    QCOMPARE(run.askedCardIds().size(), 2);

    clock.set(clock.now().addSecs(90));
    run.start(clock);
    QCOMPARE(random.seeds.size(), 2);
    QCOMPARE(random.seeds.last(), quint64(clock.now().toMSecsSinceEpoch()));
    QVERIFY(run.askedCardIds().isEmpty());
    QVERIFY(run.questionScores().isEmpty());
    QVERIFY(run.isFirstQuestion());
    QCOMPARE(run.questionNumber(), 0);
    const PressOutcome first = run.press(practice.cards, practice.deck, options(TestType::Description, 0), answers);
    QCOMPARE(first.counterText, QStringLiteral("1 of 3"));
    QVERIFY(run.askedCardIds().isEmpty());
}

// Three cards, reversal off: a card draw, the correct option, then one row per
// wrong option. The third card draw finds only asked cards and keeps the last.
void TestRunTest::scriptedDescriptionTest_followsTheDrawOrder()
{
    Practice practice;
    QVERIFY(practice.open({plainCard(10), plainCard(20), plainCard(30)}));
    test::ScriptedRandom random({0.4, 0.0, 0.0, 0.4,             // card 20; option 2; rows 1, 2
                                 0.4, 0.7, 0.5, 0.0, 0.0, 0.7,   // 20 asked, 30; option 3; rows 1, 1 again, 3
                                 0.4, 0.7, 0.4, 0.9, 0.0, 0.4}); // 20, 30, 20: gives up; option 4; rows 1, 2
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const TestOptions chosen = options(TestType::Description, 0);

    TestAnswer answer;
    const auto answered = [&answer] { return answer; };
    PressOutcome first = run.press(practice.cards, practice.deck, chosen, answered);
    QVERIFY(first.description);
    QCOMPARE(first.description->cardName, QStringLiteral("Card 20"));
    QCOMPARE(first.description->correctOption, 2);
    QCOMPARE(
        toList(first.description->captions),
        QStringList(
            {{}, {}, QStringLiteral("normal 20"), QStringLiteral("normal 10"), QStringLiteral("normal 20"), {}, {}}));
    // The card's own row drawn as a wrong answer shows the right text on an
    // option that does not count.
    answer.selectedOption = 4;

    PressOutcome second = run.press(practice.cards, practice.deck, chosen, answered);
    QVERIFY(second.description);
    QCOMPARE(second.description->cardName, QStringLiteral("Card 30"));
    QCOMPARE(second.description->correctOption, 3);
    QCOMPARE(second.description->captions[2], QStringLiteral("normal 10"));
    QCOMPARE(second.description->captions[4], QStringLiteral("normal 30"));
    answer.selectedOption = 3;

    PressOutcome third = run.press(practice.cards, practice.deck, chosen, answered);
    QVERIFY(third.description);
    QCOMPARE(third.description->cardName, QStringLiteral("Card 20"));
    QCOMPARE(third.counterText, QStringLiteral("3 of 3"));
    QCOMPARE(third.description->correctOption, 4);
    answer.selectedOption = 4;

    const PressOutcome last = run.press(practice.cards, practice.deck, chosen, answered);
    QCOMPARE(last.kind, PressOutcome::Kind::Ended);
    QCOMPARE(run.askedCardIds(), QVector<int>({20, 30, 20}));
    QCOMPARE(run.questionScores(), QVector<int>({0, 1, 1}));
    QCOMPARE(run.correctTotal(), 2);
}

void TestRunTest::reversal_roundsHalvesToEven_data()
{
    QTest::addColumn<double>("number");
    QTest::addColumn<bool>("reversed");
    QTest::addRow("0.25 -> 2.5 -> 2") << 0.25 << false;
    QTest::addRow("0.75 -> 7.5 -> 8") << 0.75 << false;
    QTest::addRow("0.85 -> 8.5 -> 8") << 0.85 << false;
    QTest::addRow("0.125 -> 1.25 -> 1") << 0.125 << true;
    QTest::addRow("0.5 -> 5") << 0.5 << true;
    QTest::addRow("0.9375 -> 9.375 -> 9") << 0.9375 << true;
    QTest::addRow("0.96875 -> 9.6875 -> 10") << 0.96875 << false;
    QTest::addRow("0.0") << 0.0 << false;
}

void TestRunTest::reversal_roundsHalvesToEven()
{
    QFETCH(double, number);
    QFETCH(bool, reversed);
    Practice &practice = *shared_;
    test::ScriptedRandom random({0.0, number, 0.0, 0.0, 0.3});
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const PressOutcome outcome = run.press(practice.cards, practice.deck, options(TestType::Description, 0, true), {});
    QVERIFY(outcome.description);
    QCOMPARE(outcome.description->reversed, reversed);
    QCOMPARE(run.currentReversed(), reversed);
}

void TestRunTest::reversedQuestion_showsReversedMeaningsAndTurnedPicture()
{
    QVector<CardRow> rows = plainCards(6);
    const QImage picture = twoColourPicture();
    rows[0].picture = pngBytes(picture);
    Practice practice;
    QVERIFY(practice.open(rows));
    // Card 1; reversal 0.1 -> 1 (odd); option 6 of 0..6; rows 2..6 and 1 for the wrong ones.
    test::ScriptedRandom random({0.0, 0.1, 0.99, 0.2, 0.4, 0.6, 0.7, 0.9, 0.0});
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const PressOutcome outcome = run.press(practice.cards, practice.deck, options(TestType::Description, 2, true), {});
    QVERIFY(outcome.description);
    const DescriptionQuestion &question = *outcome.description;
    QVERIFY(question.reversed);
    QCOMPARE(question.correctOption, 6);
    QCOMPARE(question.captions[6], QStringLiteral("reversed 1"));
    for (int i = 0; i < 6; ++i)
        QVERIFY2(question.captions[std::size_t(i)].startsWith(QStringLiteral("reversed ")),
                 qPrintable(question.captions[std::size_t(i)]));
    QCOMPARE(nonEmpty(toList(question.captions)).size(), 6); // rows differ; the card's own row shows twice
    QCOMPARE(question.picture.convertToFormat(QImage::Format_RGB32), turnedHalf(picture));
    QCOMPARE(question.picture.pixel(0, 0), qRgb(0, 0, 255));
}

void TestRunTest::keywordTest_neverReversed()
{
    QVector<CardRow> rows = plainCards(4);
    const QImage picture = twoColourPicture();
    for (CardRow &row : rows)
        row.picture = pngBytes(picture);
    Practice practice;
    QVERIFY(practice.open(rows));
    test::ScriptedRandom random({0.1}); // would reverse every description question
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    RightAnswers answers;
    PressOutcome outcome;
    while ((outcome = run.press(practice.cards, practice.deck, options(TestType::Keywords, 0, true), answers)).kind ==
           PressOutcome::Kind::Question) {
        QVERIFY(outcome.keywords);
        QCOMPARE(outcome.keywords->picture.convertToFormat(QImage::Format_RGB32), picture);
        QVERIFY(!run.currentReversed());
        answers.last = outcome;
    }
    QCOMPARE(run.questionReversals(), QVector<bool>(4, false));
}

void TestRunTest::descriptionLevels_showTheirOptionRange_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addRow("beginner") << 0 << 2 << 4;
    QTest::addRow("intermediate") << 1 << 1 << 5;
    QTest::addRow("advanced") << 2 << 0 << 6;
    QTest::addRow("stored level below range") << -4 << 2 << 4;
    QTest::addRow("stored level above range") << 9 << 0 << 6;
}

void TestRunTest::descriptionLevels_showTheirOptionRange()
{
    QFETCH(int, level);
    QFETCH(int, first);
    QFETCH(int, last);
    Practice &practice = *shared_;
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    for (int round = 0; round < 20; ++round) {
        clock.set(clock.now().addSecs(1));
        run.start(clock);
        const PressOutcome outcome =
            run.press(practice.cards, practice.deck, options(TestType::Description, level, true), {});
        QVERIFY(outcome.description);
        const DescriptionQuestion &question = *outcome.description;
        QCOMPARE(question.firstAnswer, first);
        QCOMPARE(question.lastAnswer, last);
        QVERIFY(question.correctOption >= first && question.correctOption <= last);
        for (int i = 0; i < kAnswerOptions; ++i) {
            const bool inside = i >= first && i <= last;
            QCOMPARE(question.shown[std::size_t(i)], inside);
            QCOMPARE(question.captions[std::size_t(i)].isEmpty(), !inside);
        }
    }
}

void TestRunTest::keywordQuestion_placesTheCardsKeywordsAmongOthers_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("toChoose");
    QTest::addRow("beginner") << 0 << 7 << 3;
    QTest::addRow("intermediate") << 1 << 12 << 5;
    QTest::addRow("advanced") << 2 << 20 << 7;
}

void TestRunTest::keywordQuestion_placesTheCardsKeywordsAmongOthers()
{
    QFETCH(int, level);
    QFETCH(int, boxes);
    QFETCH(int, toChoose);
    QVector<CardRow> rows = plainCards(5);
    rows[2].keywords[4] = rows[0].keywords[0]; // a keyword two cards share never shows as a wrong one
    Practice practice;
    QVERIFY(practice.open(rows));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    RightAnswers answers;
    PressOutcome outcome;
    while ((outcome = run.press(practice.cards, practice.deck, options(TestType::Keywords, level), answers)).kind ==
           PressOutcome::Kind::Question) {
        const KeywordQuestion &question = *outcome.keywords;
        const int id = run.currentCardId();
        const QStringList own = rows[id - 1].keywords;
        QCOMPARE(question.cardName, QStringLiteral("Card %1").arg(id));
        QCOMPARE(question.keywordBoxCount, boxes);
        QCOMPARE(question.keywordsToChoose, toChoose);
        QCOMPARE(question.maxKeywordText, QStringLiteral("You must choose %1 keywords").arg(toChoose));
        QCOMPARE(question.correctSlots.size(), toChoose);
        QCOMPARE(QSet<int>(question.correctSlots.cbegin(), question.correctSlots.cend()).size(), toChoose);

        QStringList correct;
        QStringList wrong;
        for (int box = 0; box < kKeywordBoxes; ++box) {
            const QString caption = question.captions[std::size_t(box)];
            if (box >= boxes)
                QVERIFY(caption.isEmpty());
            else if (question.correctSlots.contains(box))
                correct.append(caption);
            else
                wrong.append(caption);
        }
        QCOMPARE(nonEmpty(correct).size(), toChoose);
        for (const QString &keyword : correct)
            QVERIFY2(own.contains(keyword), qPrintable(keyword));
        QCOMPARE(nonEmpty(wrong).size(), boxes - toChoose);
        for (const QString &keyword : wrong)
            QVERIFY2(!own.contains(keyword), qPrintable(keyword));
        answers.last = outcome;
    }
    QCOMPARE(outcome.kind, PressOutcome::Kind::Ended);
}

void TestRunTest::keywordScore_countsOnlyTicksOnTheCardsKeywords_data()
{
    QTest::addColumn<int>("rightTicks");
    QTest::addColumn<int>("wrongTicks");
    QTest::addRow("all right") << 3 << 0;
    QTest::addRow("two right, one wrong") << 2 << 1;
    QTest::addRow("all right plus extra wrong ones") << 3 << 3;
    QTest::addRow("nothing ticked") << 0 << 0;
    QTest::addRow("only wrong ones") << 0 << 3;
}

void TestRunTest::keywordScore_countsOnlyTicksOnTheCardsKeywords()
{
    QFETCH(int, rightTicks);
    QFETCH(int, wrongTicks);
    Practice &practice = *shared_;
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const PressOutcome first = run.press(practice.cards, practice.deck, options(TestType::Keywords, 0), {});
    QVERIFY(first.keywords);
    TestAnswer answer;
    for (int i = 0; i < rightTicks; ++i)
        answer.checkedKeywords[std::size_t(first.keywords->correctSlots[i])] = true;
    for (int box = 0, ticked = 0; box < kKeywordBoxes && ticked < wrongTicks; ++box) {
        if (!first.keywords->correctSlots.contains(box)) {
            answer.checkedKeywords[std::size_t(box)] = true;
            ++ticked;
        }
    }
    (void)run.press(practice.cards, practice.deck, options(TestType::Keywords, 0), [&] { return answer; });
    QCOMPARE(run.questionScores(), QVector<int>({rightTicks}));
}

void TestRunTest::cardWithFewKeywords_repeatsThemAndEnds_data()
{
    QTest::addColumn<QStringList>("keywords");
    QTest::addColumn<int>("level");
    const QString a = QStringLiteral("Hope");
    const QString b = QStringLiteral("hope"); // differs by case: a keyword of its own
    QTest::addRow("two different, beginner") << QStringList({a, a, a, b, b, b, a}) << 0;
    QTest::addRow("two different, advanced") << QStringList({a, a, a, b, b, b, a}) << 2;
    QTest::addRow("one keyword and empty slots") << QStringList({a, {}, {}, {}, {}, {}, {}}) << 1;
    QTest::addRow("no keyword rows") << QStringList() << 2;
}

void TestRunTest::cardWithFewKeywords_repeatsThemAndEnds()
{
    QFETCH(QStringList, keywords);
    QFETCH(int, level);
    QVector<CardRow> rows = plainCards(4);
    rows[0].keywords = keywords;
    Practice practice;
    QVERIFY(practice.open(rows, QStringLiteral("SELECT * FROM tblCards WHERE ID=1")));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const PressOutcome outcome = run.press(practice.cards, practice.deck, options(TestType::Keywords, level), {});
    QVERIFY(outcome.keywords);
    const KeywordQuestion &question = *outcome.keywords;
    const QSet<QString> distinct = nonEmpty(keywords);
    QStringList correct;
    for (int slot : question.correctSlots)
        correct.append(question.captions[std::size_t(slot)]);
    QCOMPARE(nonEmpty(correct), distinct);
    if (!distinct.isEmpty())
        QVERIFY(!correct.contains(QString()));
    // The grid around them is still filled from the other cards.
    int wrong = 0;
    for (int box = 0; box < question.keywordBoxCount; ++box)
        if (!question.correctSlots.contains(box) && !question.captions[std::size_t(box)].isEmpty())
            ++wrong;
    QCOMPARE(wrong, question.keywordBoxCount - question.keywordsToChoose);

    TestAnswer answer;
    for (int slot : question.correctSlots)
        answer.checkedKeywords[std::size_t(slot)] = true;
    QCOMPARE(run.press(practice.cards, practice.deck, options(TestType::Keywords, level), [&] { return answer; }).kind,
             PressOutcome::Kind::Ended);
    QCOMPARE(run.questionScores(), QVector<int>({question.keywordsToChoose}));
}

void TestRunTest::deckWithFewOtherKeywords_leavesBoxesEmpty()
{
    QVector<CardRow> rows = plainCards(2);
    rows[1].keywords = QStringList({QStringLiteral("Dawn"), QStringLiteral("Dawn"), QStringLiteral("Tide"),
                                    QStringLiteral("Ember"), rows[0].keywords[3]});
    Practice practice;
    QVERIFY(practice.open(rows, QStringLiteral("SELECT * FROM tblCards WHERE ID=1")));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const PressOutcome outcome = run.press(practice.cards, practice.deck, options(TestType::Keywords, 2), {});
    QVERIFY(outcome.keywords);
    const KeywordQuestion &question = *outcome.keywords;
    QStringList wrong;
    int empty = 0;
    for (int box = 0; box < 20; ++box) {
        const QString caption = question.captions[std::size_t(box)];
        if (question.correctSlots.contains(box))
            QVERIFY(rows[0].keywords.contains(caption));
        else if (caption.isEmpty())
            ++empty;
        else
            wrong.append(caption);
    }
    std::sort(wrong.begin(), wrong.end());
    QCOMPARE(wrong, QStringList({QStringLiteral("Dawn"), QStringLiteral("Ember"), QStringLiteral("Tide")}));
    QCOMPARE(empty, 20 - 7 - 3);
}

void TestRunTest::oneCardSelection_borrowsWrongAnswersFromTheDeck()
{
    QVector<CardRow> rows = plainCards(9);
    rows[4].group = 3;
    Practice practice;
    QVERIFY(practice.open(rows, QStringLiteral("SELECT * FROM tblCards WHERE (Group=3) ORDER BY ID")));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const PressOutcome outcome = run.press(practice.cards, practice.deck, options(TestType::Description, 2), {});
    QVERIFY(outcome.description);
    const DescriptionQuestion &question = *outcome.description;
    QCOMPARE(question.cardName, QStringLiteral("Card 5"));
    QCOMPARE(question.shown, (std::array<bool, 7>{true, true, true, true, true, true, true}));
    // Its own row once more, then five different cards from outside the selection.
    const QStringList captions = toList(question.captions);
    QCOMPARE(captions.count(QStringLiteral("normal 5")), 2);
    QCOMPARE(nonEmpty(captions).size(), 6);
    QCOMPARE(outcome.counterText, QStringLiteral("1 of 1"));
}

void TestRunTest::oneCardDeck_hidesOptionsWithoutAnswer()
{
    Practice practice;
    QVERIFY(practice.open(plainCards(1)));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const PressOutcome outcome = run.press(practice.cards, practice.deck, options(TestType::Description, 2), {});
    QVERIFY(outcome.description);
    const DescriptionQuestion &question = *outcome.description;
    QCOMPARE(int(std::count(question.shown.cbegin(), question.shown.cend(), true)), 2);
    QVERIFY(question.shown[std::size_t(question.correctOption)]);
    for (int i = 0; i < kAnswerOptions; ++i)
        QCOMPARE(question.captions[std::size_t(i)].isEmpty(), !question.shown[std::size_t(i)]);
    TestAnswer answer;
    answer.selectedOption = question.correctOption;
    QCOMPARE(run.press(practice.cards, practice.deck, options(TestType::Description, 2), [&] { return answer; }).kind,
             PressOutcome::Kind::Ended);
    QCOMPARE(run.correctTotal(), 1);
}

void TestRunTest::emptyCardSet_endsAtOnce()
{
    Practice practice;
    QVERIFY(practice.open(plainCards(3), QStringLiteral("SELECT * FROM tblCards WHERE (Group=4) ORDER BY ID")));
    QCOMPARE(practice.cards.recordCount(), 0);
    test::ScriptedRandom random({0.3});
    test::FixedClock clock;
    TestRun run(random);
    for (TestType type : {TestType::Description, TestType::Keywords}) {
        run.start(clock);
        const PressOutcome outcome = run.press(practice.cards, practice.deck, options(type, 2), {});
        QCOMPARE(outcome.kind, PressOutcome::Kind::Ended);
        QVERIFY(run.askedCardIds().isEmpty());
        QCOMPARE(run.correctTotal(), 0);
    }
}

// A generator that keeps giving the same number cannot find fresh rows,
// slots or keywords; every draw must still come to an end.
void TestRunTest::stuckGenerator_stillEndsEveryDraw()
{
    Practice practice;
    QVERIFY(practice.open(plainCards(6)));
    test::ScriptedRandom random({0.0});
    test::FixedClock clock;
    TestRun run(random);
    for (TestType type : {TestType::Description, TestType::Keywords}) {
        run.start(clock);
        RightAnswers answers;
        PressOutcome outcome;
        int presses = 0;
        while ((outcome = run.press(practice.cards, practice.deck, options(type, 2), answers)).kind ==
               PressOutcome::Kind::Question) {
            answers.last = outcome;
            ++presses;
            if (outcome.keywords) {
                QCOMPARE(
                    QSet<int>(outcome.keywords->correctSlots.cbegin(), outcome.keywords->correctSlots.cend()).size(),
                    7);
                QCOMPARE(nonEmpty(toList(outcome.keywords->captions)).size(), 20);
            } else {
                QCOMPARE(nonEmpty(toList(outcome.description->captions)).size(), 6);
            }
        }
        QCOMPARE(presses, 6);
        QCOMPARE(run.askedCardIds(), QVector<int>(6, 1)); // the draw gives up and keeps the asked card
    }
}

void TestRunTest::keywordCountReaction_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<int>("reaction");
    QTest::addRow("beginner, three") << 0 << QList<int>{0, 3, 6} << int(KeywordCountReaction::EnableNext);
    QTest::addRow("beginner, two") << 0 << QList<int>{1, 2} << int(KeywordCountReaction::DisableNext);
    QTest::addRow("beginner, four") << 0 << QList<int>{0, 1, 2, 3} << int(KeywordCountReaction::UncheckAndWarn);
    QTest::addRow("beginner, hidden boxes do not count")
        << 0 << QList<int>{0, 1, 2, 7, 19} << int(KeywordCountReaction::EnableNext);
    QTest::addRow("intermediate, three") << 1 << QList<int>{0, 1, 2} << int(KeywordCountReaction::DisableNext);
    QTest::addRow("intermediate, five") << 1 << QList<int>{0, 1, 2, 10, 11} << int(KeywordCountReaction::EnableNext);
    QTest::addRow("advanced, eight") << 2 << QList<int>{0, 1, 2, 3, 4, 5, 6, 19}
                                     << int(KeywordCountReaction::UncheckAndWarn);
}

void TestRunTest::keywordCountReaction()
{
    QFETCH(int, level);
    QFETCH(QList<int>, ticked);
    QFETCH(int, reaction);
    Practice &practice = *shared_;
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    QVERIFY(run.press(practice.cards, practice.deck, options(TestType::Keywords, level), {}).keywords);
    std::array<bool, kKeywordBoxes> checked{};
    for (int box : ticked)
        checked[std::size_t(box)] = true;
    QCOMPARE(int(run.keywordCountReaction(checked)), reaction);
    QCOMPARE(run.keywordCountWarning(),
             QStringLiteral("You can select only %1 keywords.\r\nPlease unselect one before selecting another keyword")
                 .arg(testLevel(level).keywordsToChoose));
}

void TestRunTest::pressDuringDraw_isIgnored()
{
    Practice practice;
    QVERIFY(practice.open(plainCards(5)));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const TestOptions chosen = options(TestType::Description, 1);
    QList<PressOutcome::Kind> nested;
    const auto pump = [&] {
        if (nested.size() < 3)
            nested.append(run.press(practice.cards, practice.deck, chosen, {}).kind);
    };
    const PressOutcome outcome = run.press(practice.cards, practice.deck, chosen, {}, pump);
    QCOMPARE(outcome.kind, PressOutcome::Kind::Question);
    QCOMPARE(nested, QList<PressOutcome::Kind>(3, PressOutcome::Kind::Ignored));
    QCOMPARE(run.questionNumber(), 1);
    QCOMPARE(outcome.counterText, QStringLiteral("1 of 5"));
    QCOMPARE(run.press(practice.cards, practice.deck, chosen, {}).counterText, QStringLiteral("2 of 5"));
}

void TestRunTest::testStartedDuringDraw_supersedesThePress()
{
    Practice practice;
    QVERIFY(practice.open(plainCards(5)));
    StdRandomSource random;
    test::FixedClock clock;
    TestRun run(random);
    run.start(clock);
    const TestOptions chosen = options(TestType::Description, 0);
    (void)run.press(practice.cards, practice.deck, chosen, {});
    PressOutcome restarted;
    bool restartedOnce = false;
    const auto pump = [&] {
        if (restartedOnce)
            return;
        restartedOnce = true;
        run.start(clock);
        restarted = run.press(practice.cards, practice.deck, chosen, {});
    };
    const PressOutcome outcome = run.press(practice.cards, practice.deck, chosen, {}, pump);
    QCOMPARE(outcome.kind, PressOutcome::Kind::Superseded);
    QCOMPARE(restarted.kind, PressOutcome::Kind::Question);
    QCOMPARE(restarted.counterText, QStringLiteral("1 of 5"));
    QVERIFY(run.askedCardIds().isEmpty());
    QCOMPARE(run.press(practice.cards, practice.deck, chosen, {}).counterText, QStringLiteral("2 of 5"));
}

QTEST_GUILESS_MAIN(TestRunTest)
#include "tst_testrun.moc"
