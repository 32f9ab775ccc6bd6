#pragma once

// The journal of readings: searched, reopened read-only, deleted after a
// question and exported whole as Markdown.

#include "progress/frmprogress.h"
#include "readings/journal.h"

#include "store/backgroundjob.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QLineEdit;
class QListView;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

namespace velmora {

struct Services;

namespace readings {

class JournalModel;

class FrmJournal : public QWidget
{
    Q_OBJECT

public:
    FrmJournal(Services &services, QString journalPath, QWidget *parent = nullptr);
    ~FrmJournal() override;

    // Reads the journal again; the user is told when it cannot be read. A
    // large history file is read on a worker thread (opening it after a
    // change checks all of it) and shown when that is done.
    void reload();
    // The size of the history file from which it is read on a worker thread;
    // a smaller one is read in well under a frame.
    void setLoadAsideFrom(qint64 bytes) { loadAsideFrom_ = bytes; }
    // True while that read runs.
    [[nodiscard]] bool loading() const { return loading_ != nullptr; }
    [[nodiscard]] JournalModel *model() const { return model_; }

    // Lists only the readings that hold a card of this name.
    void showReadingsWithCard(const QString &cardName);
    // The patterns over the last `days` days (one of kPatternPeriods).
    void showPatterns(int days);
    [[nodiscard]] QStringList patternLines() const;
    [[nodiscard]] int streak() const { return streak_; }

    void openChosen();
    void deleteChosen();
    // Asks for a file and saves every reading into it; true once written.
    bool exportAll();

signals:
    void testRequested(const velmora::progress::PracticeRequest &request);

public:
    // What a read of the journal finds: its readings and its patterns'
    // cards and days, or why they cannot be read.
    struct Read
    {
        QString openError; // set: nothing else was read
        std::optional<QVector<Reading>> readings;
        QVector<QString> searchable; // of each reading, for the search
        QString readingsError;
        std::optional<QVector<DrawnCard>> drawn;
        std::optional<QSet<QDate>> days;
        QString patternsError;
    };

private:
    [[nodiscard]] static Read readJournal(Journal &journal, const QDateTime &now);
    void showRead(Read read);
    void loaded();
    [[nodiscard]] qint64 chosenId() const;
    void updateButtons();
    [[nodiscard]] bool openJournal();
    [[nodiscard]] QVBoxLayout *buildPatterns();
    void showPatterns(std::optional<QVector<DrawnCard>> drawn, const std::optional<QSet<QDate>> &days,
                      const QString &why);
    void showAll();

    Services &services_;
    QString journalPath_;
    Journal journal_;
    JournalModel *model_ = nullptr;
    QVector<DrawnCard> drawn_; // the last year's cards
    QVector<CardPattern> patterns_;
    int streak_ = 0;
    int days_ = 30;
    QString limitedTo_; // the card the list is limited to
    qint64 loadAsideFrom_ = 4 << 20;
    // A reload asked for while a read runs: read again once it is done.
    bool readAgain_ = false;
    QTimer *loadingShown_ = nullptr;
    QProgressBar *barLoading = nullptr;

    QLineEdit *txtSearch = nullptr;
    QListView *lstReadings = nullptr;
    QLabel *lblCount = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *lblStreak = nullptr;
    QComboBox *cboPeriod = nullptr;
    QListWidget *lstPatterns = nullptr;
    QPushButton *cmdWithCard = nullptr;
    QPushButton *cmdShowAll = nullptr;
    // Last, so that it is joined before the window's parts go.
    std::unique_ptr<BackgroundJob<Read>> loading_;
};

} // namespace readings
} // namespace velmora
