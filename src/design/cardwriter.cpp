#include "design/cardwriter.h"

#include <QMetaObject>

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

CardWriter::CardWriter(QString deckPath, std::function<void(const CardWriteResult &)> written)
    : path_(std::move(deckPath)), written_(std::move(written)), thread_([this] { run(); })
{}

CardWriter::~CardWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
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
    wake_.notify_all();
}

void CardWriter::wait()
{
    {
        std::unique_lock lock(mutex_);
        idle_.wait(lock, [this] { return queue_.empty() && !busy_; });
    }
    deliver();
}

void CardWriter::run()
{
    for (;;) {
        CardEdit edit;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty())
                break;
            edit = queue_.front();
            queue_.pop_front();
            busy_ = true;
        }
        CardWriteResult result = write(edit);
        {
            const std::lock_guard lock(mutex_);
            results_.push_back(std::move(result));
            busy_ = false;
        }
        idle_.notify_all();
        QMetaObject::invokeMethod(
            this, [this] { deliver(); }, Qt::QueuedConnection);
    }
    deck_.close();
}

CardWriteResult CardWriter::write(const CardEdit &edit)
{
    CardWriteResult result{edit, false, {}};
    if (!deck_.isOpen() && !deck_.open(path_, Access::ReadWrite)) {
        result.error = deck_.errorText();
        deck_.close();
        return result;
    }
    result.ok = deck_.saveCardChanges(edit.card, edit.fields, edit.keywordSlots, edit.slotMask);
    if (!result.ok)
        result.error = deck_.errorText();
    return result;
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
