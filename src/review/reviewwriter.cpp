#include "review/reviewwriter.h"

namespace velmora::review {

namespace {

// How often a running write is looked at; it is also taken at the next grade.
constexpr int kPollMs = 15;

} // namespace

ReviewWriter::ReviewWriter(store::HistoryDb history, QObject *parent)
    : QObject(parent), history_(std::move(history))
{
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &ReviewWriter::pump);
}

ReviewWriter::~ReviewWriter()
{
    (void)finish();
}

void ReviewWriter::record(const ReviewRecord &review)
{
    if (!error_.isEmpty())
        return;
    pending_.push_back(Write{review, review.deckFile});
    pump();
}

void ReviewWriter::undoLast(const QString &deckFile)
{
    if (!error_.isEmpty())
        return;
    pending_.push_back(Write{std::nullopt, deckFile});
    pump();
}

bool ReviewWriter::finish()
{
    while (job_ || (error_.isEmpty() && !pending_.empty())) {
        if (job_)
            (void)job_->wait();
        pump();
    }
    poll_.stop();
    return error_.isEmpty();
}

void ReviewWriter::pump()
{
    if (job_) {
        if (!job_->wait(QDeadlineTimer(0))) {
            poll_.start();
            return;
        }
        settle();
    }
    if (!error_.isEmpty() || pending_.empty()) {
        poll_.stop();
        return;
    }
    // One job at a time, so the history is never used by two threads at once
    // and the writes land in the order given.
    job_ = std::make_unique<BackgroundJob<QString>>([history = &history_, writes = std::move(pending_)] {
        for (const Write &write : writes) {
            std::optional<ReviewRecord> undone;
            const bool done =
                write.review ? ReviewLog(*history).recordReview(*write.review) : ReviewLog(*history).undoLastReview(write.deckFile, undone);
            if (!done)
                return history->errorText();
        }
        return QString();
    });
    pending_.clear();
    poll_.start();
}

void ReviewWriter::settle()
{
    const QString error = job_->take();
    job_.reset();
    if (error.isEmpty())
        return;
    error_ = error;
    pending_.clear();
    emit failed(error_);
}

} // namespace velmora::review
