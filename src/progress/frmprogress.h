#pragma once

// The progress window: score per test over time, the cards most often
// missed, and the way back to practising exactly those cards; beside the
// scores, what spaced review has due and how well it holds. It reads the
// history file afresh at each reload; the main window tells it when it
// records a test or a review session ends.

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

// What the window shows of the history, read with the filters as they were
// when the reload was asked for; on the screen thread or on a worker, which
// touches no widget.
struct ProgressRead
{
    HistoryFilter filter; // its deck as the deck list ends up showing it
    int recentTests = 0;
    QDateTime now;
    review::LearningDays days;
    // Said in place of the counts: why the history could not be read, or
    // that there is none yet.
    QString note;
    std::optional<QVector<DeckEntry>> decks;
    std::optional<QVector<ScorePoint>> points;
    QVector<CardTally> ranked;
    review::FacetCounts counts;
    QVector<int> forecast;
    std::optional<review::Retention> retention;
};

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
    // first, and read when that is done; a large one is read on a worker
    // thread too, what was shown staying until the reading is done.
    void reload();
    // The history changed: reloads now if the window is shown, else when it
    // is next shown.
    void historyChanged();
    // The size from which a history due for its check is checked on a worker
    // thread; a smaller one is checked in well under a frame.
    void setCheckAsideFrom(qint64 bytes) { checkAsideFrom_ = bytes; }
    // True while that check runs.
    [[nodiscard]] bool checking() const { return check_ != nullptr; }
    // The size from which the history is read on a worker thread.
    void setReadAsideFrom(qint64 bytes) { readAsideFrom_ = bytes; }
    // True while a reading runs there.
    [[nodiscard]] bool reading() const { return reading_ != nullptr; }

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
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void applyChartColours();
    [[nodiscard]] HistoryFilter filter() const;
    [[nodiscard]] ProgressRead asked() const;
    void showRead(const ProgressRead &read);
    void fillDecks(const QVector<DeckEntry> &decks);
    void showScores(const QVector<ScorePoint> &points, const HistoryFilter &shown, const QDateTime &now);
    void showMissedCards(const QVector<CardTally> &ranked);
    void showForecast(const QVector<int> &perDay);
    void updateButtons();
    void exportCsv();
    void checkAside();
    void checkDone();
    void readDone();

    Services &services_;
    QString historyPath_;
    HistoryFile history_;
    QVector<CardTally> shownTallies_;
    bool filling_ = false;
    qint64 checkAsideFrom_ = 4 << 20;
    // Over a year of reviews the reading takes a few frames.
    qint64 readAsideFrom_ = 4 << 20;
    // A reload asked for while a reading runs, made once it ends.
    bool rereadWanted_ = false;
    // The history changed while the window was hidden.
    bool stale_ = false;
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
    // Last, so that they are joined before the window's parts go. While a
    // reading runs, the history is its alone.
    std::unique_ptr<BackgroundJob<QString>> check_;
    std::unique_ptr<BackgroundJob<ProgressRead>> reading_;
};

} // namespace progress
} // namespace velmora
