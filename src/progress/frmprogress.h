#pragma once

// The progress window: score per test over time, the cards most often
// missed, and the way back to practising exactly those cards; beside the
// scores, what spaced review has due and how well it holds. It reads the
// history file afresh at each reload; the main window asks for a reload after
// it records a test.

#include "progress/history.h"

#include "store/backgroundjob.h"

#include <QVector>
#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QTimer;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

namespace velmora {

struct Services;

namespace progress {

class ForecastChart;
class ScoreChart;

enum class PracticeMode { Memorize, Test };

// Cards of one deck to practise, most missed first.
struct PracticeRequest
{
    QString deckFile;
    QString deckName;
    QVector<int> cardIds;
    PracticeMode mode = PracticeMode::Memorize;
};

class FrmProgress : public QWidget
{
    Q_OBJECT

public:
    FrmProgress(Services &services, QString historyPath, QWidget *parent = nullptr);
    ~FrmProgress() override;

    // Reads the history again, keeping the chosen filters. A large history
    // that changed since it was last checked is checked on a worker thread
    // first, and read when that is done.
    void reload();
    // The size from which a history due for its check is checked on a worker
    // thread; a smaller one is checked in well under a frame.
    void setCheckAsideFrom(qint64 bytes) { checkAsideFrom_ = bytes; }
    // True while that check runs.
    [[nodiscard]] bool checking() const { return check_ != nullptr; }

    // The cards the practice buttons take: the selected rows of the missed
    // table, or all its rows when none is selected. Empty unless they are all
    // of one deck.
    [[nodiscard]] PracticeRequest practiceCards(PracticeMode mode) const;

signals:
    void practiceRequested(const velmora::progress::PracticeRequest &request);
    // The readings of the journal that hold this card.
    void readingsRequested(const QString &cardName);

protected:
    void changeEvent(QEvent *event) override;

private:
    void buildControls();
    void applyChartColours();
    [[nodiscard]] HistoryFilter filter() const;
    void fillDecks(const QVector<DeckEntry> &decks);
    void showScores(const QVector<ScorePoint> &points);
    void showMissedCards(const QVector<CardTally> &ranked);
    // False when the history could not be read; what was read is shown anyway.
    [[nodiscard]] bool showReview(const QVector<DeckEntry> &decks);
    void showForecast(const QVector<int> &perDay);
    void updateButtons();
    void exportCsv();
    void checkAside();
    void checkDone();

    Services &services_;
    QString historyPath_;
    HistoryFile history_;
    QVector<CardTally> shownTallies_;
    bool filling_ = false;
    qint64 checkAsideFrom_ = 4 << 20;
    // What the check found wrong, for the reading after it.
    QString checkTrouble_;
    QTimer *checkingShown_ = nullptr;
    QProgressBar *barChecking = nullptr;

    QComboBox *cboDeck = nullptr;
    QComboBox *cboPeriod = nullptr;
    QSpinBox *spnRecentTests = nullptr;
    QTabWidget *tabCharts = nullptr;
    // Null when the charts could not be loaded.
    ScoreChart *scoreChart_ = nullptr;
    ForecastChart *forecastChart_ = nullptr;
    QLabel *lblRetention = nullptr;
    QLabel *lblFacetCounts = nullptr;
    QTableWidget *tblMissed = nullptr;
    QLabel *lblInfo = nullptr;
    QPushButton *cmdMemorize = nullptr;
    QPushButton *cmdTestMe = nullptr;
    QPushButton *cmdReadings = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdClose = nullptr;
    // Last, so that it is joined before the window's parts go.
    std::unique_ptr<BackgroundJob<QString>> check_;
};

} // namespace progress
} // namespace velmora
