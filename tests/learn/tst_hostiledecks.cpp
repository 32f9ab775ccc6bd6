// Decks no program of ours would write, walked the way a user walks a deck:
// the checks on opening, memorize over every card, then both tests at every
// level to their end. Each deck is refused with a message that says why, or
// goes through all of it, within a time bound and a memory bound.

#include "cputime.h"
#include "fakes.h"
#include "hostiledeck.h"
#include "peakmemory.h"
#include "testhome.h"

#include "learn/deckchecks.h"
#include "learn/testrun.h"
#include "store/paths.h"
#include "store/pictures.h"

#include <QTest>

using namespace velmora;
using test::CpuTimer;

namespace {

// A user waits for one card or one question at a time: each has its bound,
// in processor time, which a loaded machine does not stretch as it does the
// clock. Past kWalkBound cards or questions the walk stops, so a deck of
// thousands costs the suite seconds, not the hours a user would spend on it.
constexpr qint64 kStepBoundMs = 2000 * test::kSanitizerSlowdown;
constexpr int kWalkBound = 300;
constexpr qint64 kShowBoundMs = 50 * test::kSanitizerSlowdown;
constexpr qint64 kMemoryBoundMb = 700;
constexpr int kMessageBound = 600; // a refusal never echoes a file's text at length

} // namespace

class TestHostileDecks : public QObject
{
    Q_OBJECT

private slots:
    void walk_data()
    {
        QTest::addColumn<int>("kind");
        const QList<test::HostileKind> kinds = test::hostileKinds();
        for (int i = 0; i < kinds.size(); ++i)
            QTest::newRow(kinds[i].name) << i;
    }

    void walk()
    {
        QFETCH(int, kind);
        test::TestHome home;
        home.makeFolders();
        const QString path = paths::defaultDeck();
        QVERIFY(test::makeHostileDeck(path, test::hostileKinds().at(kind)));

        test::resetPeakMemory();
        const qint64 memoryBefore = test::peakMemoryMb();
        const CpuTimer clock;
        CpuTimer step;
        Deck deck;
        const bool opened = deck.open(path);
        const std::optional<bool> incomplete = opened ? deck.hasEmptyKeywordField() : std::nullopt;
        const std::optional<QVector<Card>> cards = incomplete ? deck.cardsInGroups({0, 1, 2, 3, 4}) : std::nullopt;
        if (!cards) {
            qInfo("refused: %s", qPrintable(deck.errorText()));
            QVERIFY(!deck.errorText().isEmpty());
            QVERIFY(deck.errorText().size() < kMessageBound);
            QVERIFY2(!deck.errorText().contains(QLatin1String("  ")), "a value is missing from the message");
            QVERIFY(!unusableDeckMessage(QStringLiteral("Hostile"), deck.errorText()).isEmpty());
            return;
        }
        QVERIFY(hasMissingKeyword(path).has_value());

        const auto stepDone = [&step](const char *what, int number) {
            const qint64 took = step.restart();
            if (took > kStepBoundMs)
                qWarning("%s %d took %lld ms", what, number, took);
            return took <= kStepBoundMs;
        };

        // Memorize: cards' texts, keywords and picture, upright and turned.
        // Where the rows lie is read once, with the first card.
        QVERIFY(cards->isEmpty() || deck.keywords(cards->first().id).has_value());
        const qsizetype stride = qMax<qsizetype>(1, cards->size() / kWalkBound);
        for (qsizetype row = 0; row < cards->size(); row += stride) {
            const Card &card = cards->at(row);
            QVERIFY(card.name.size() <= store::kTextBound && card.normalMeaning.size() <= store::kTextBound);
            // A card's keywords are read as it is shown, however long the
            // texts the file holds for them.
            CpuTimer shown;
            QVERIFY(deck.keywords(card.id).has_value());
            const qint64 keywordsMs = shown.restart();
            QVERIFY2(keywordsMs < kShowBoundMs, qPrintable(QString::number(keywordsMs)));
            PlainPictureHolder holder;
            if (LoadPictureFromField(holder, deck, card.id, QSize(350, 600)))
                QVERIFY(!turnedHalf(holder.picture()).isNull());
            QVERIFY(stepDone("card", int(row)));
        }

        // Both tests at every level to their end, the right answer never known.
        int questions = 0;
        for (const TestType type : {TestType::Description, TestType::Keywords}) {
            for (int level = 0; level <= 2; ++level) {
                StdRandomSource random;
                TestRun run(random);
                run.start(test::FixedClock());
                const TestOptions options{type, level, true, {}, {}};
                step.restart();
                for (int asked = 0;
                     asked < kWalkBound &&
                     run.press(*cards, deck, options, [] { return TestAnswer{}; }).kind == PressOutcome::Kind::Question;
                     ++asked) {
                    ++questions;
                    QVERIFY(stepDone("question", asked));
                }
            }
        }
        const qint64 grown = test::peakMemoryMb() - memoryBefore;
        qInfo("%d cards, %d questions in %lld ms of processor time, peak memory grew by %lld MB", int(cards->size()),
              questions, clock.elapsed(), grown);
        QVERIFY2(grown < kMemoryBoundMb, qPrintable(QString::number(grown)));
    }
};

QTEST_MAIN(TestHostileDecks)
#include "tst_hostiledecks.moc"
