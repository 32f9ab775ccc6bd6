#include "progress/testrecorder.h"

namespace velmora::progress {

namespace {

// The worker gets texts and lists of its own. One shared with the screen
// thread's widgets would be let go by Qt's widget library, whose reference
// counting ThreadSanitizer cannot see, after the worker let go of its share.
QString ownCopy(const QString &text)
{
    return text.isNull() ? QString() : QString(text.constData(), text.size());
}

TestRecord ownCopy(const TestRecord &test)
{
    TestRecord copy = test;
    copy.deckFile = ownCopy(test.deckFile);
    copy.deckName = ownCopy(test.deckName);
    copy.groups = QVector<int>(test.groups.cbegin(), test.groups.cend());
    copy.questions = QVector<QuestionRecord>(test.questions.cbegin(), test.questions.cend());
    for (QuestionRecord &question : copy.questions)
        question.cardName = ownCopy(question.cardName);
    return copy;
}

} // namespace

TestRecorder::TestRecorder(QString historyPath, QObject *parent) : QObject(parent), path_(std::move(historyPath))
{
    setObjectName(QStringLiteral("testRecorder"));
}

TestRecorder::~TestRecorder()
{
    // Nobody hears of writes that end now: their errors would go nowhere.
    QObject::disconnect(this, &TestRecorder::recorded, nullptr, nullptr);
    finish();
}

void TestRecorder::record(const TestRecord &test, const review::Fsrs &fsrs, review::TestFeed feed)
{
    pending_.push_back(Write{ownCopy(test), fsrs, feed});
    if (!job_)
        pump();
}

void TestRecorder::finish()
{
    while (job_) {
        settle();
        pump();
    }
}

void TestRecorder::pump()
{
    if (job_ || pending_.empty())
        return;
    job_ = std::make_unique<BackgroundJob<QString>>(
        [history = &history_, path = path_, writes = std::move(pending_)] {
            QString error;
            for (const Write &write : writes) {
                // A history that failed is opened afresh for the next test:
                // the failure may have been the disk's, for a moment.
                if ((history->isOpen() || history->open(path)) && history->record(write.test, write.fsrs, write.feed))
                    continue;
                error = history->errorText();
                history->close();
            }
            return error;
        },
        this,
        [this] {
            // A finish() since may have settled this job and started another.
            if (job_ && job_->wait(QDeadlineTimer(0))) {
                settle();
                pump();
            }
        });
    pending_.clear();
}

void TestRecorder::settle()
{
    const QString error = job_->take();
    job_.reset();
    emit recorded(error);
}

} // namespace velmora::progress
