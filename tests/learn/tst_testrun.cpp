#include "fakes.h"
#include "sampledeck.h"
#include "testhome.h"

#include "learn/testrun.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QSet>
#include <QTest>

#include <numeric>

Q_DECLARE_METATYPE(velmora::TestLevel)

using namespace velmora;
using velmora::test::plainCard;
using velmora::test::SampleCard;

namespace {

using Kind = PressOutcome::Kind;
const QVector<int> kAllCards;

// A deck in a fresh program folder and the card set of one practice on it.
struct Practice
{
    test::TestHome home;
    Deck deck;
    QVector<Card> cards;

    // The cards of the groups (all for none) up to the ID upToId (all for -1).
    [[nodiscard]] bool open(const QVector<SampleCard> &rows, const QVector<int> &groups = kAllCards, int upToId = -1)
    {
        home.makeFolders();
        if (!home.createDeck(QStringLiteral("tutor/Tutor1.vdk")) ||
            !deck.open(paths::defaultDeck(), Access::ReadWrite) || !test::addCards(deck, rows))
            return false;
        const auto chosen = deck.cardsInGroups(groups);
        if (!chosen)
            return false;
        for (const Card &card : *chosen) {
            if (upToId < 0 || card.id <= upToId)
                cards.append(card);
        }
        return true;
    }
    PressOutcome press(TestRun &run, const TestOptions &options, const TestAnswer &answer = {})
    {
        return run.press(cards, deck, options, [answer] { return answer; });
    }
};

// A run on the real generator, started on the fixed clock.
struct RandomRun
{
    StdRandomSource random;
    TestRun run{random};
    RandomRun() { run.start(test::FixedClock()); }
};

QVector<SampleCard> plainCards(int count, int firstId = 1)
{
    QVector<SampleCard> rows;
    for (int id = firstId; id < firstId + count; ++id)
        rows.append(plainCard(id));
    return rows;
}

TestAnswer rightAnswerTo(const PressOutcome &question)
{
    TestAnswer answer;
    if (question.description)
        answer.selectedOption = question.description->correctOption;
    if (question.keywords)
        for (int slot : question.keywords->correctSlots)
            answer.checkedKeywords[std::size_t(slot)] = true;
    return answer;
}

// Presses until the test ends, answering every question right; returns the
// questions shown (the press that ended the test is not among them).
QList<PressOutcome> runToEnd(TestRun &run, Practice &practice, const TestOptions &options)
{
    QList<PressOutcome> shown;
    const auto answer = [&shown] { return shown.isEmpty() ? TestAnswer{} : rightAnswerTo(shown.last()); };
    for (PressOutcome outcome;
         (outcome = run.press(practice.cards, practice.deck, options, answer)).kind == Kind::Question;)
        shown.append(outcome);
    return shown;
}

template <std::size_t N>
QStringList nonEmpty(const std::array<QString, N> &captions)
{
    QStringList texts;
    for (const QString &text : captions)
        if (!text.isEmpty() && !texts.contains(text))
            texts.append(text);
    return texts;
}

} // namespace

class TestRunTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        shared_ = std::make_unique<Practice>();
        QVERIFY(shared_->open(plainCards(6)));
    }

    // Chosen cards beyond the ones asked lend nothing: the options shown are
    // as many as the level offers, or as the chosen cards have meanings.
    void wholeTest_offersWhatTheLevelSaysAndEndsOnTheNextPress_data()
    {
        QTest::addColumn<int>("cardCount"); // chosen from a deck of 22
        QTest::addColumn<TestType>("type");
        QTest::addColumn<int>("level");
        QTest::addColumn<TestLevel>("offer");
        QTest::addColumn<int>("meanings"); // different meanings among the cards; 0: each card its own
        const TestLevel beginner{2, 4, 7, 3};
        const TestLevel intermediate{1, 5, 12, 5};
        const TestLevel advanced{0, 6, 20, 7};
        const auto row = [](const char *name, int cardCount, TestType type, int level, TestLevel offer,
                            int meanings = 0) {
            QTest::newRow(name) << cardCount << type << level << offer << meanings;
        };
        const TestType description = TestType::Description;
        const TestType keywords = TestType::Keywords;
        row("one card, keywords", 1, keywords, 0, beginner);
        row("one card, description", 1, description, 2, advanced);
        row("three cards, description", 3, description, 2, advanced);
        row("six cards sharing two meanings", 6, description, 2, advanced, 2);
        row("no card chosen", 0, description, 2, advanced);
        row("description, beginner", 6, description, 0, beginner);
        row("description, intermediate", 6, description, 1, intermediate);
        row("description, advanced, 22 cards", 22, description, 2, advanced);
        row("keywords, beginner", 6, keywords, 0, beginner);
        row("keywords, intermediate", 6, keywords, 1, intermediate);
        row("keywords, advanced, 22 cards", 22, keywords, 2, advanced);
        // One clamp serves both kinds of test.
        row("stored level below range, description", 6, description, -4, beginner);
        row("stored level above range, keywords", 6, keywords, 9, advanced);
    }
    void wholeTest_offersWhatTheLevelSaysAndEndsOnTheNextPress()
    {
        QFETCH(int, cardCount);
        QFETCH(TestType, type);
        QFETCH(int, level);
        QFETCH(TestLevel, offer);
        QFETCH(int, meanings);
        QVector<SampleCard> rows = plainCards(22);
        for (SampleCard &card : rows) {
            if (meanings > 0) {
                card.normalMeaning = QStringLiteral("shared %1").arg(card.id % meanings);
                card.reversedMeaning = QStringLiteral("shared reversed %1").arg(card.id % meanings);
            }
        }
        Practice practice;
        QVERIFY(practice.open(rows, kAllCards, cardCount));
        RandomRun r;
        const QList<PressOutcome> shown = runToEnd(r.run, practice, TestOptions{type, level, true, {}, {}});
        QVector<int> shownCards;
        for (const PressOutcome &outcome : shown) {
            QCOMPARE(outcome.counterText, QStringLiteral("%1 of %2").arg(shownCards.size() + 1).arg(cardCount));
            if (const auto &question = outcome.description) {
                shownCards.append(question->cardName.mid(5).toInt());
                QVERIFY(question->firstAnswer == offer.firstAnswer && question->lastAnswer == offer.lastAnswer);
                QVERIFY(question->correctOption >= offer.firstAnswer && question->correctOption <= offer.lastAnswer);
                // Shown in range with a text, else no text.
                for (std::size_t i = 0; i < kAnswerOptions; ++i) {
                    const bool inRange = int(i) >= offer.firstAnswer && int(i) <= offer.lastAnswer;
                    QVERIFY(question->shown[i] ? inRange && !question->captions[i].isEmpty()
                                               : question->captions[i].isEmpty());
                }
                // Every shown option has a text of its own, the right one included.
                const int optionsShown =
                    std::min(offer.lastAnswer - offer.firstAnswer + 1, meanings > 0 ? meanings : cardCount);
                QCOMPARE(nonEmpty(question->captions).size(), optionsShown);
                QCOMPARE(int(std::count(question->shown.cbegin(), question->shown.cend(), true)), optionsShown);
                continue;
            }
            const KeywordQuestion &question = *outcome.keywords;
            shownCards.append(question.cardName.mid(5).toInt());
            const QString own = QStringLiteral("k%1-").arg(shownCards.last());
            QCOMPARE(question.keywordBoxCount, offer.keywordBoxCount);
            QCOMPARE(question.maxKeywordText,
                     QStringLiteral("You must choose %1 keywords").arg(offer.keywordsToChoose));
            QCOMPARE(QSet<int>(question.correctSlots.cbegin(), question.correctSlots.cend()).size(),
                     offer.keywordsToChoose);
            QCOMPARE(nonEmpty(question.captions).size(), offer.keywordBoxCount);
            for (int box = 0; box < kKeywordBoxes; ++box) {
                const QString &caption = question.captions[std::size_t(box)];
                QCOMPARE(caption.isEmpty(), box >= offer.keywordBoxCount);
                if (!caption.isEmpty())
                    QCOMPARE(caption.startsWith(own), question.correctSlots.contains(box));
            }
        }
        QCOMPARE(shown.size(), cardCount);
        QCOMPARE(r.run.counterText(), QString());
        QCOMPARE(r.run.askedCardIds(), shownCards);
        // Each card once.
        std::sort(shownCards.begin(), shownCards.end());
        QVector<int> everyCard(cardCount);
        std::iota(everyCard.begin(), everyCard.end(), 1);
        QCOMPARE(shownCards, everyCard);
        const int perQuestion = type == TestType::Description ? 1 : offer.keywordsToChoose;
        QCOMPARE(r.run.questionScores(), QVector<int>(cardCount, perQuestion));
        // The keyword test's total is added up by the report.
        QCOMPARE(r.run.correctTotal(), type == TestType::Description ? cardCount : 0);
        if (type == TestType::Keywords)
            QCOMPARE(r.run.questionReversals(), QVector<bool>(cardCount, false));
    }

    // Three cards, reversal off: a card draw, the correct option, then rows for
    // the wrong options until one shows another text than the options before it.
    // The third card draw finds only asked cards and takes the first unasked one.
    void scriptedTest_followsTheDrawOrderAndScoresOnlyTheTaggedOption()
    {
        Practice practice;
        QVERIFY(practice.open({plainCard(10), plainCard(20), plainCard(30)}));
        // Card 20; option 2; rows 2 (itself), 1; 2, 3. Then 20 asked, 30; option 3;
        // row 1; 1, 3 (itself), 2. Then 20, 30, 20: all asked, so 10; option 4;
        // rows 1 (itself), 2; 2 again, 3.
        test::ScriptedRandom random(
            {0.4, 0.0, 0.4, 0.0, 0.4, 0.9, 0.4, 0.7, 0.5, 0.0, 0.0, 0.7, 0.4, 0.4, 0.7, 0.4, 0.9, 0.0, 0.4, 0.4, 0.9});
        TestRun run(random);
        run.start(test::FixedClock());
        const TestOptions options{TestType::Description, 0, false, {}, {}};

        QList<DescriptionQuestion> shown{*practice.press(run, options).description};
        TestAnswer answer;
        for (int chosen : {4, 3, 4}) {
            answer.selectedOption = chosen;
            const PressOutcome next = practice.press(run, options, answer);
            if (next.description)
                shown.append(*next.description);
            else
                QCOMPARE(next.kind, Kind::Ended);
        }
        QCOMPARE(shown.size(), 3);
        using Captions = std::array<QString, kAnswerOptions>;
        QCOMPARE(shown[0].captions, (Captions{{{}, {}, "normal 20", "normal 10", "normal 30", {}, {}}}));
        QCOMPARE(shown[1].captions, (Captions{{{}, {}, "normal 10", "normal 30", "normal 20", {}, {}}}));
        QCOMPARE(shown[2].captions, (Captions{{{}, {}, "normal 20", "normal 30", "normal 10", {}, {}}}));
        QCOMPARE(run.askedCardIds(), QVector<int>({20, 30, 10}));
        QCOMPARE(run.questionScores(), QVector<int>({0, 1, 1}));
        QCOMPARE(run.correctTotal(), 2);
    }

    // The draw is rounded to a whole number from 0 to 10, halves to even; odd
    // reverses, and then every option offers a reversed meaning. That the
    // picture is turned, and that a keyword question never is, the whole tests
    // show.
    void reversal_roundsHalvesToEvenAndOffersReversedMeanings()
    {
        const QList<std::pair<double, bool>> cases = {{0.25, false}, {0.75, false}, {0.85, false},
                                                      {0.125, true}, {0.5, true},   {0.96875, false}};
        for (const auto &[number, reversed] : cases) {
            test::ScriptedRandom random({0.0, number, 0.0, 0.0, 0.3});
            TestRun run(random);
            run.start(test::FixedClock());
            const DescriptionQuestion question =
                *shared_->press(run, TestOptions{TestType::Description, 0, true, {}, {}}).description;
            QCOMPARE(question.reversed, reversed);
            QCOMPARE(run.currentReversed(), reversed);
            const QString side = reversed ? QStringLiteral("reversed ") : QStringLiteral("normal ");
            QCOMPARE(question.captions[std::size_t(question.correctOption)], side + QLatin1Char('1'));
            QCOMPARE(nonEmpty(question.captions).size(), 3);
            for (const QString &caption : nonEmpty(question.captions))
                QVERIFY2(caption.startsWith(side), qPrintable(caption));
        }
    }

    // The card's few keywords are repeated so that full score stays reachable;
    // the grid around them takes the other card's keywords, each once and none
    // of the card's own, as far as they go, and leaves the other boxes empty.
    void fewKeywords_repeatsTheCardsAndLeavesBoxesEmpty_data()
    {
        QTest::addColumn<QStringList>("keywords"); // of the card asked
        QTest::addColumn<QStringList>("others");   // of the other card
        QTest::addColumn<int>("level");
        const QString a = QStringLiteral("Hope");
        const QString b = QStringLiteral("hope"); // differs by case: a keyword of its own
        const QStringList first = plainCard(1).keywords;
        const QStringList second = plainCard(2).keywords;
        QTest::addRow("two different, advanced") << QStringList({a, a, a, b, b, b, a}) << second << 2;
        QTest::addRow("one keyword and empty slots") << QStringList({a, {}, {}, {}, {}, {}, {}}) << second << 1;
        QTest::addRow("no keyword rows") << QStringList() << second << 2;
        QTest::addRow("few other keywords") << first << QStringList({"Dawn", "Dawn", "Tide", "Ember", first[3]}) << 2;
    }
    void fewKeywords_repeatsTheCardsAndLeavesBoxesEmpty()
    {
        QFETCH(QStringList, keywords);
        QFETCH(QStringList, others);
        QFETCH(int, level);
        QVector<SampleCard> rows = plainCards(2);
        rows[0].keywords = keywords;
        rows[1].keywords = others;
        Practice practice;
        QVERIFY(practice.open(rows, kAllCards, 1));
        RandomRun r;
        const QList<PressOutcome> shown =
            runToEnd(r.run, practice, TestOptions{TestType::Keywords, level, false, {}, {}});
        QCOMPARE(shown.size(), 1);
        const KeywordQuestion &question = *shown.first().keywords;
        keywords.removeAll(QString());
        const QSet<QString> own(keywords.begin(), keywords.end());
        QSet<QString> correct;
        QStringList wrong;
        for (int box = 0; box < question.keywordBoxCount; ++box) {
            const QString &caption = question.captions[std::size_t(box)];
            if (question.correctSlots.contains(box))
                correct.insert(caption);
            else if (!caption.isEmpty())
                wrong.append(caption);
        }
        QCOMPARE(correct, own.isEmpty() ? QSet<QString>{QString()} : own);
        const QSet<QString> offered = QSet<QString>(others.begin(), others.end()) - own;
        QCOMPARE(wrong.size(), std::min(int(offered.size()), question.keywordBoxCount - question.keywordsToChoose));
        QCOMPARE(QSet<QString>(wrong.begin(), wrong.end()).size(), wrong.size());
        QVERIFY(offered.contains(QSet<QString>(wrong.begin(), wrong.end())));
        QCOMPARE(r.run.questionScores(), QVector<int>({question.keywordsToChoose}));
    }

    // A generator that keeps giving the same number cannot find fresh rows,
    // slots or keywords; every draw must still come to an end.
    void stuckGenerator_stillEndsEveryDraw()
    {
        test::ScriptedRandom random({0.0});
        TestRun run(random);
        for (TestType type : {TestType::Description, TestType::Keywords}) {
            run.start(test::FixedClock());
            const QList<PressOutcome> shown = runToEnd(run, *shared_, TestOptions{type, 2, false, {}, {}});
            QCOMPARE(shown.size(), 6);
            // Each card draw gives up and takes the first unasked card; the
            // restart cleared the first test's record.
            QCOMPARE(run.askedCardIds(), QVector<int>({1, 2, 3, 4, 5, 6}));
            QCOMPARE(run.questionScores().size(), 6);
            for (const PressOutcome &outcome : shown)
                QCOMPARE(type == TestType::Keywords ? nonEmpty(outcome.keywords->captions).size()
                                                    : nonEmpty(outcome.description->captions).size(),
                         type == TestType::Keywords ? 20 : 6);
        }
        QCOMPARE(random.seeds, QList<quint64>(2, quint64(test::FixedClock().now().toMSecsSinceEpoch())));
    }

    // Ticks on the card's keywords, on other shown boxes and on hidden boxes:
    // the reaction counts the shown ones, the score only the card's own.
    void keywordTicks_reactionAndScore_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QList<int>>("ticks"); // right, wrong, hidden
        QTest::addColumn<KeywordCountReaction>("reaction");
        QTest::addRow("beginner, three right") << 0 << QList<int>{3, 0, 0} << KeywordCountReaction::EnableNext;
        QTest::addRow("beginner, two right") << 0 << QList<int>{2, 0, 0} << KeywordCountReaction::DisableNext;
        QTest::addRow("beginner, two right one wrong") << 0 << QList<int>{2, 1, 0} << KeywordCountReaction::EnableNext;
        QTest::addRow("beginner, three wrong") << 0 << QList<int>{0, 3, 0} << KeywordCountReaction::EnableNext;
        QTest::addRow("beginner, four") << 0 << QList<int>{3, 1, 0} << KeywordCountReaction::UncheckAndWarn;
        QTest::addRow("beginner, six") << 0 << QList<int>{3, 3, 0} << KeywordCountReaction::UncheckAndWarn;
        QTest::addRow("hidden boxes do not count") << 0 << QList<int>{1, 2, 2} << KeywordCountReaction::EnableNext;
        QTest::addRow("advanced, eight") << 2 << QList<int>{6, 2, 0} << KeywordCountReaction::UncheckAndWarn;
    }
    void keywordTicks_reactionAndScore()
    {
        QFETCH(int, level);
        QFETCH(QList<int>, ticks);
        QFETCH(KeywordCountReaction, reaction);
        RandomRun r;
        const TestOptions options{TestType::Keywords, level, false, {}, {}};
        const KeywordQuestion question = *shared_->press(r.run, options).keywords;
        TestAnswer answer;
        for (int i = 0; i < ticks[0]; ++i)
            answer.checkedKeywords[std::size_t(question.correctSlots[i])] = true;
        for (int box = 0, ticked = 0; ticked < ticks[1]; ++box)
            if (!question.correctSlots.contains(box) && ++ticked)
                answer.checkedKeywords[std::size_t(box)] = true;
        for (int i = 0; i < ticks[2]; ++i)
            answer.checkedKeywords[std::size_t(question.keywordBoxCount + i)] = true;
        QCOMPARE(r.run.keywordCountReaction(answer.checkedKeywords), reaction);
        QCOMPARE(
            r.run.keywordCountWarning(),
            QStringLiteral("You can select only %1 keywords.\r\nPlease unselect one before selecting another keyword")
                .arg(question.keywordsToChoose));
        (void)shared_->press(r.run, options, answer);
        QCOMPARE(r.run.questionScores(), QVector<int>({ticks[0]}));
    }

private:
    // Six plain cards, for the tests that only read the deck.
    std::unique_ptr<Practice> shared_;
};

QTEST_GUILESS_MAIN(TestRunTest)
#include "tst_testrun.moc"
