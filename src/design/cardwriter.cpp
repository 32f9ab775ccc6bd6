#include "design/cardwriter.h"

#include <algorithm>

namespace velmora {

void CardEdit::merge(const CardEdit &later)
{
    const std::pair<unsigned, QString Card::*> texts[] = {{kCardNormalMeaning, &Card::normalMeaning},
                                                          {kCardReversedMeaning, &Card::reversedMeaning}};
    for (const auto &[bit, member] : texts) {
        if (later.fields & bit)
            card.*member = later.card.*member;
    }
    if (later.fields & kCardGroup)
        card.group = later.card.group;
    card.name = later.card.name;
    number = later.number;
    fields |= later.fields;
    while (keywordSlots.size() < kSlotsPerCard)
        keywordSlots.append(QString());
    for (int k = 0; k < kSlotsPerCard; ++k) {
        if (later.slotMask & (1u << k))
            keywordSlots[k] = later.keywordSlots.value(k);
    }
    slotMask |= later.slotMask;
}

// Lives on the writer's thread; its deck connection is opened and closed there.
class CardWriterWorker : public QObject
{
    Q_OBJECT

public:
    CardWriterWorker(QString deckPath, CardWriter &owner) : path_(std::move(deckPath)), owner_(owner) {}
    ~CardWriterWorker() override { deck_.eraseFreedPages(true); }

    // Writes every edit waiting, oldest first.
    void writeWaiting()
    {
        for (;;) {
            CardEdit edit;
            {
                const std::lock_guard lock(owner_.mutex_);
                if (owner_.queue_.empty())
                    return;
                edit = std::move(owner_.queue_.front());
                owner_.queue_.pop_front();
            }
            CardWriteResult result = write(edit);
            {
                const std::lock_guard lock(owner_.mutex_);
                owner_.results_.push_back(std::move(result));
            }
            emit written();
        }
    }

signals:
    void written();

private:
    CardWriteResult write(const CardEdit &edit)
    {
        CardWriteResult result{edit, false, {}};
        if (!deck_.isOpen()) {
            if (!deck_.open(path_, Access::ReadWrite)) {
                result.error = deck_.errorText();
                deck_.close();
                return result;
            }
            // Every write here replaces a card's row by a version of itself:
            // its old pages hold what the new ones do, and zeroing them would
            // double the cost of each keystroke on a card with a picture.
            deck_.eraseFreedPages(false);
        }
        result.ok = deck_.saveCardChanges(edit.card, edit.fields, edit.keywordSlots, edit.slotMask);
        if (!result.ok)
            result.error = deck_.errorText();
        return result;
    }

    const QString path_;
    CardWriter &owner_;
    Deck deck_;
};

CardWriter::CardWriter(QString deckPath, std::function<void(const CardWriteResult &)> written)
    : written_(std::move(written)), worker_(new CardWriterWorker(std::move(deckPath), *this))
{
    thread_.setObjectName(QStringLiteral("CardWriter"));
    worker_->moveToThread(&thread_);
    connect(this, &CardWriter::writeRequested, worker_, &CardWriterWorker::writeWaiting);
    // Taken in order with the writes already asked for, so it returns after them.
    connect(this, &CardWriter::flushRequested, worker_, &CardWriterWorker::writeWaiting, Qt::BlockingQueuedConnection);
    connect(worker_, &CardWriterWorker::written, this, &CardWriter::deliver);
    thread_.start();
}

CardWriter::~CardWriter()
{
    // What is still waiting is written before the thread ends; its results
    // go nowhere, as nobody is left to show them.
    emit flushRequested();
    thread_.quit();
    thread_.wait();
    // The worker's last use of the queues and its deck comes before this
    // lock, as ThreadSanitizer sees too (it cannot see the order Qt's wait
    // gives). The worker goes here, with no thread left to touch this writer.
    const std::lock_guard lock(mutex_);
    results_.clear();
    delete worker_;
}

void CardWriter::post(const CardEdit &edit)
{
    if (edit.isEmpty())
        return;
    {
        const std::lock_guard lock(mutex_);
        auto waiting = std::find_if(queue_.begin(), queue_.end(),
                                    [&edit](const CardEdit &queued) { return queued.card.id == edit.card.id; });
        if (waiting != queue_.end())
            waiting->merge(edit);
        else
            queue_.push_back(edit);
    }
    emit writeRequested();
}

void CardWriter::wait()
{
    emit flushRequested();
    deliver();
}

void CardWriter::deliver()
{
    std::deque<CardWriteResult> results;
    {
        const std::lock_guard lock(mutex_);
        results.swap(results_);
    }
    for (const CardWriteResult &result : results)
        written_(result);
}

} // namespace velmora

#include "cardwriter.moc"
