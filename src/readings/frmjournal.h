#pragma once

// The journal of readings: searched, reopened read-only, deleted after a
// question and exported whole as Markdown.

#include "progress/frmprogress.h"
#include "readings/journal.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

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

    Services &services_;
    QString journalPath_;
    Journal journal_;
    JournalModel *model_ = nullptr;

    QLineEdit *txtSearch = nullptr;
    QListView *lstReadings = nullptr;
    QLabel *lblCount = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdExport = nullptr;
    QPushButton *cmdClose = nullptr;
};

} // namespace readings
} // namespace velmora
