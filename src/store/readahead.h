#pragma once

// Reads one card picture ahead on a worker thread with its own connection,
// so that "Next >>" finds it decoded.

#include "store/backgroundjob.h"

#include <QHash>
#include <QImage>
#include <QSize>
#include <QString>
#include <QVector>

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QObject;

namespace velmora {

class PictureReader;
class PictureRelay;

class PictureReadAhead
{
public:
    PictureReadAhead() = default;
    // Joins every read still running.
    ~PictureReadAhead() = default;
    PictureReadAhead(const PictureReadAhead &) = delete;
    PictureReadAhead &operator=(const PictureReadAhead &) = delete;

    // The deck the pictures come from; drops what was read ahead.
    void setDeck(const QString &path);
    // Starts reading the card's picture unless it is being read already.
    void start(int cardId, QSize shownSize);
    // The card's picture when it was read ahead for that size; nothing otherwise.
    [[nodiscard]] std::optional<QImage> take(int cardId, QSize shownSize);

private:
    QString path_;
    int cardId_ = 0;
    QSize size_;
    std::unique_ptr<BackgroundJob<QImage>> pending_;
    // Reads no longer wanted, left to finish on their own: waiting for one
    // would hold up the card that is wanted instead.
    std::vector<std::unique_ptr<BackgroundJob<QImage>>> abandoned_;
};

// Reads the pictures of a list of cards one after another on a worker thread
// with its own connection, so that a card chosen anywhere in the list, not
// only the next one, finds its picture decoded.
class PictureWarmer
{
public:
    PictureWarmer();
    ~PictureWarmer();
    PictureWarmer(const PictureWarmer &) = delete;
    PictureWarmer &operator=(const PictureWarmer &) = delete;

    // Starts over on these cards, in this order; what was read before is dropped.
    void start(const QString &path, const QVector<int> &cardIds, QSize shownSize);
    // Reads this card next if it is still waiting its turn.
    void prefer(int cardId);
    // Reads this card next, whether or not it was in the list: for a reader
    // that cannot know in advance which card it will want.
    void add(int cardId);
    // Whether the card is waiting its turn or being read.
    [[nodiscard]] bool waiting(int cardId);
    // `read(cardId)` runs on the thread of `context` after each picture read,
    // unless the context is gone; the last call wins.
    void tellRead(QObject *context, std::function<void(int)> read);
    // Ends the reading; hands back what was read and not taken. A picture
    // being read is dropped and its read left to end on its own (store/leftwork.h):
    // a BMP photo's read or decode takes a frame or more.
    QHash<int, QImage> stop();
    // Started and not stopped, whether or not cards are still waiting.
    [[nodiscard]] bool running() const { return worker_ != nullptr; }
    // The card's picture when it has been read for that size.
    [[nodiscard]] std::optional<QImage> take(int cardId, QSize shownSize);

private:
    friend class PictureReader;
    struct Shared;

    std::shared_ptr<Shared> shared_; // that of the reading started last
    std::shared_ptr<PictureReader> reader_;
    std::unique_ptr<WorkerThread> worker_; // handed on at stop(), to end on its own
    QSize size_;                           // that the reading started last decodes for
    std::unique_ptr<PictureRelay> relay_;
};

} // namespace velmora
