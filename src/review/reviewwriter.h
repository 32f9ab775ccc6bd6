#pragma once

// Stores the grades of a review session in the progress history, in the
// order given, off the screen thread: a commit waits for the disk, and the
// next card should not. Its owner lets every write finish before it goes.

#include "review/reviewlog.h"

#include "store/backgroundjob.h"
#include "store/historydb.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

namespace velmora::review {

class ReviewWriter : public QObject
{
    Q_OBJECT

public:
    explicit ReviewWriter(store::HistoryDb history, QObject *parent = nullptr);
    // Finishes every write.
    ~ReviewWriter() override;
    ReviewWriter(const ReviewWriter &) = delete;
    ReviewWriter &operator=(const ReviewWriter &) = delete;

    void record(const ReviewRecord &review);
    // Takes back the deck's latest grade, once the grades before it are stored.
    void undoLast(const QString &deckFile);
    // Waits for every write given so far; false once one has failed. After a
    // failure nothing more is written.
    [[nodiscard]] bool finish();
    [[nodiscard]] QString errorText() const { return error_; }

signals:
    // A write failed: it and every write after it are not stored.
    void failed(const QString &error);

private:
    struct Write
    {
        std::optional<ReviewRecord> review; // nothing: an undo
        QString deckFile;
    };
    void pump();
    void settle();

    store::HistoryDb history_; // only the running job touches it
    std::vector<Write> pending_;
    std::unique_ptr<BackgroundJob<QString>> job_;
    QTimer poll_;
    QString error_;
};

} // namespace velmora::review
