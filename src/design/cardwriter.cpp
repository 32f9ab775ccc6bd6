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

CardWriter::CardWriter(QString deckPath, std::function<void(const CardWriteResult &)> written)
    : written_(std::move(written)), path_(std::move(deckPath))
{}

CardWriter::~CardWriter()
{
    // What is still waiting is written before the thread ends; its results
    // go nowhere, as nobody is left to show them. The connection closes on
    // the thread that used it.
    worker_.post([this] {
        deck_.eraseFreedPages(true);
        deck_.close();
    });
    worker_.finish();
    const std::lock_guard lock(mutex_);
    results_.clear();
}

void CardWriter::post(const CardEdit &edit)
{
    if (edit.isEmpty())
        return;
    {
        const std::lock_guard lock(mutex_);
        auto waiting = std::find_if(queue_.begin(), queue_.end(),
                                    [&edit](const CardEdit &queued) { return queued.card.id == edit.card.id; });
        if (waiting != queue_.end()) {
            waiting->merge(edit);
            return;
        }
        queue_.push_back(edit);
    }
    worker_.post([this] { writeWaiting(); });
}

void CardWriter::wait()
{
    (void)worker_.waitIdle();
    deliver();
}

void CardWriter::writeWaiting()
{
    for (;;) {
        CardEdit edit;
        {
            const std::lock_guard lock(mutex_);
            if (queue_.empty())
                return;
            edit = std::move(queue_.front());
            queue_.pop_front();
        }
        CardWriteResult result = write(edit);
        {
            const std::lock_guard lock(mutex_);
            results_.push_back(std::move(result));
        }
        // The writer outlives every task of its worker, and a call still
        // queued when it goes is dropped with it.
        emit resultsWaiting();
    }
}

CardWriteResult CardWriter::write(const CardEdit &edit)
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
