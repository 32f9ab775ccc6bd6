#pragma once

// The journal of readings: searched, reopened read-only, deleted after a
// question and exported whole as Markdown.

#include "progress/frmprogress.h"
#include "readings/journal.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;
class QLineEdit;
class QListView;
class QPushButton;
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

    // Reads the journal again; the user is told when it cannot be read.
    void reload();
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

private:
    [[nodiscard]] qint64 chosenId() const;
    void updateButtons();
    [[nodiscard]] bool openJournal();
    [[nodiscard]] QVBoxLayout *buildPatterns();
    void readPatterns();
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
};

} // namespace readings
} // namespace velmora
