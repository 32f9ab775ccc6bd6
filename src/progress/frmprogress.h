#pragma once

// The progress window: score per test over time, the cards most often
// missed, and the way back to practising exactly those cards; beside the
// scores, what spaced review has due and how well it holds. It reads the
// history file afresh at each reload; the main window asks for a reload after
// it records a test.

#include "progress/history.h"

#include <QVector>
#include <QWidget>

class QComboBox;
class QLabel;
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

    // Reads the history again, keeping the chosen filters.
    void reload();

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

    Services &services_;
    QString historyPath_;
    HistoryFile history_;
    QVector<CardTally> shownTallies_;
    bool filling_ = false;

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
};

} // namespace progress
} // namespace velmora
