#pragma once

// Adds finished tests to the progress history off the screen thread: opening
// the history and committing a test wait for the disk, and the results tab
// should show at once. Tests land in the order given, one job at a time, so
// the history is never used by two threads at once. Its owner lets every
// write finish before the program ends.

#include "progress/history.h"
#include "review/fsrs.h"
#include "review/reviewsettings.h"

#include "store/backgroundjob.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

namespace velmora::progress {

class TestRecorder : public QObject
{
    Q_OBJECT

public:
    explicit TestRecorder(QString historyPath, QObject *parent = nullptr);
    // Finishes every write.
    ~TestRecorder() override;
    TestRecorder(const TestRecorder &) = delete;
    TestRecorder &operator=(const TestRecorder &) = delete;

    void record(const TestRecord &test, const review::Fsrs &fsrs, review::TestFeed feed);
    // Waits for every test given so far; recorded() has been emitted for them
    // when it returns.
    void finish();
    [[nodiscard]] bool writing() const { return job_ != nullptr; }

signals:
    // Tests given to record() have reached the history, or some have not:
    // `error` says why the last one that failed did. A failed test does not
    // keep later ones out.
    void recorded(const QString &error);

private:
    struct Write
    {
        TestRecord test;
        review::Fsrs fsrs;
        review::TestFeed feed = review::TestFeed::Never;
    };
    void pump();
    void settle();

    QString path_;
    HistoryFile history_; // only the running job touches it
    std::vector<Write> pending_;
    std::unique_ptr<BackgroundJob<QString>> job_;
};

} // namespace velmora::progress
