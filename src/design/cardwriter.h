#pragma once

// Writes the card editor's edits on a thread of its own, through a deck
// connection of its own. SQLite rewrites a whole card row, picture included,
// for any change of the row, and through the cipher that costs a fifth of a
// second for a full-size picture: a keystroke only hands its edit over.
// Edits of one card waiting their turn are merged, so a burst of keystrokes
// costs one write; each write is one transaction.

#include "store/deck.h"
#include "store/workerthread.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <mutex>

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
    Q_OBJECT

public:
    // Results reach `written` on the thread that made the writer.
    CardWriter(QString deckPath, std::function<void(const CardWriteResult &)> written);
    // Writes what is still waiting, then stops and joins the thread.
    ~CardWriter() override;
    CardWriter(const CardWriter &) = delete;
    CardWriter &operator=(const CardWriter &) = delete;

    void post(const CardEdit &edit);
    // Blocks until every edit posted so far is written and its result handed out.
    void wait();

signals:
    // From the worker: results wait to be handed out on the writer's thread.
    void resultsWaiting();

private:
    // On the worker: writes every edit waiting, oldest first.
    void writeWaiting();
    [[nodiscard]] CardWriteResult write(const CardEdit &edit);
    void deliver();

    std::function<void(const CardWriteResult &)> written_;
    const QString path_;
    // What the two threads share, and only under mutex_.
    std::mutex mutex_;
    std::deque<CardEdit> queue_;
    std::deque<CardWriteResult> results_;
    Deck deck_; // used on the worker only

    WorkerThread worker_{QStringLiteral("CardWriter")}; // last, so that it is joined before what it uses goes
};

} // namespace velmora
