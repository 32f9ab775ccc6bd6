#include "progressscreens.h"

#include "progress/frmprogress.h"
#include "progress/history.h"

#include "app/frmbegin.h"
#include "app/services.h"
#include "learn/testrun.h"
#include "store/deck.h"
#include "store/paths.h"

#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

namespace velmora {

namespace {

using namespace progress;

// Decides misses the same way at every run.
class Dice
{
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(state_ >> 11) / double(1ULL << 53);
    }

private:
    quint64 state_ = 20261207;
};

// Thirty-six tests over the last thirty days: two of three on the installed
// deck (keyword tests over the Cups, description tests over the Major
// Arcana), the rest on a second deck; fewer misses as the weeks go by, and
// a few cards that stay hard.
bool fillHistory(const QString &path, const QDateTime &now)
{
    Deck deck;
    std::optional<QVector<Card>> cards = deck.open(paths::defaultDeck()) ? deck.cards() : std::nullopt;
    if (!cards || cards->isEmpty())
        return false;
    HistoryFile history;
    if (!history.open(path))
        return false;
    Dice dice;
    constexpr int kTests = 36;
    for (int t = 0; t < kTests; ++t) {
        const bool second = t % 3 == 2;
        const bool keywords = !second && t % 2 == 0;
        TestRecord record;
        record.taken = now.addSecs(qint64(t - kTests) * 20 * 3600 + 5 * 60 * t);
        record.deckFile = second ? QStringLiteral("Tutor2.vdk") : QStringLiteral("Tutor1.vdk");
        record.deckName = second ? QStringLiteral("Moonlit Study Deck") : QStringLiteral("Classic Tarot");
        record.kind = keywords ? TestKind::Keywords : TestKind::Description;
        // Keyword tests end at the advanced level, whose answers are the ones that grade a facet a success.
        record.level = t < 18 ? 0 : keywords ? 2 : 1;
        record.groups = {keywords ? 1 : 0};
        const int maximum = keywords ? testLevel(record.level).keywordsToChoose : 1;
        const double skill = double(t) / kTests;
        for (const Card &card : *cards) {
            if (card.group != record.groups.front())
                continue;
            const bool hard = card.id % 7 == 3 || card.id % 11 == 5;
            const bool reversed = !keywords && dice.next() < 0.5;
            const double missChance = 0.45 - 0.3 * skill + (hard ? 0.35 : 0.0) + (reversed ? 0.1 : 0.0);
            int score = maximum;
            while (score > 0 && dice.next() < missChance)
                --score;
            record.questions.append(QuestionRecord{card.id, card.name, reversed, score, maximum});
        }
        if (!history.record(record))
            return false;
    }
    return true;
}

} // namespace

QStringList progressShowcaseNames()
{
    return {QStringLiteral("progress"), QStringLiteral("progress-deck"), QStringLiteral("progress-week"),
            QStringLiteral("progress-review")};
}

QWidget *openProgressShowcase(FrmBegin & /*begin*/, Services &services, const QString &name)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(kHistoryFileName));
    if (!folder.isValid() || !fillHistory(path, services.clock.now()))
        return nullptr;
    auto *window = new FrmProgress(services, path);
    window->reload();
    auto *decks = window->findChild<QComboBox *>(QStringLiteral("cboProgressDeck"));
    auto *period = window->findChild<QComboBox *>(QStringLiteral("cboProgressPeriod"));
    if (name == QLatin1String("progress-deck")) {
        decks->setCurrentIndex(decks->findData(QStringLiteral("Tutor1.vdk")));
        period->setCurrentIndex(int(Period::Last30Days));
        auto *table = window->findChild<QTableWidget *>(QStringLiteral("tblMissed"));
        table->setSelectionMode(QAbstractItemView::MultiSelection);
        for (int row : {0, 1, 3})
            table->selectRow(row);
        table->setSelectionMode(QAbstractItemView::ExtendedSelection);
        table->setFocus();
    } else if (name == QLatin1String("progress-week")) {
        decks->setCurrentIndex(decks->findData(QStringLiteral("Tutor2.vdk")));
        period->setCurrentIndex(int(Period::Last7Days));
    } else if (name == QLatin1String("progress-review")) {
        decks->setCurrentIndex(decks->findData(QStringLiteral("Tutor1.vdk")));
        window->findChild<QTabWidget *>(QStringLiteral("tabProgressCharts"))->setCurrentIndex(1);
    }
    window->show();
    return window;
}

} // namespace velmora
