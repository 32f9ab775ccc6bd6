#pragma once

// Writes the card editor's edits on a thread of its own, through a deck
// connection of its own. SQLite rewrites a whole card row, picture included,
// for any change of the row, and through the cipher that costs a fifth of a
// second for a full-size picture: a keystroke only hands its edit over.
// Edits of one card waiting their turn are merged, so a burst of keystrokes
// costs one write; each write is one transaction.

#include "store/deck.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace velmora {

struct CardEdit
{
    Card card;             // name: the card's name as keyword slots record it
    int number = 0;        // 1-based place in the card list, for messages
    unsigned fields = 0;   // CardField bits: the row fields to write
    unsigned slotMask = 0; // bit k: keyword slot k
    QStringList keywordSlots;

    [[nodiscard]] bool isEmpty() const { return fields == 0 && slotMask == 0; }
    // Takes over what `later` writes, keeping what only this one writes.
    void merge(const CardEdit &later);
};

struct CardWriteResult
{
    CardEdit edit;
    bool ok = false;
    QString error;
};

class CardWriter : public QObject
{
public:
    // Results reach `written` on the thread that made the writer.
    CardWriter(QString deckPath, std::function<void(const CardWriteResult &)> written);
    // Writes what is still waiting, then ends the thread.
    ~CardWriter() override;
    CardWriter(const CardWriter &) = delete;
    CardWriter &operator=(const CardWriter &) = delete;

    void post(const CardEdit &edit);
    // Blocks until every edit posted so far is written and its result handed out.
    void wait();

private:
    void run();
    void deliver();
    CardWriteResult write(const CardEdit &edit);

    const QString path_;
    std::function<void(const CardWriteResult &)> written_;
    Deck deck_; // used by the thread only

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<CardEdit> queue_;
    std::deque<CardWriteResult> results_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace velmora
