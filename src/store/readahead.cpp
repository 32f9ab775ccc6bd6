#include "store/readahead.h"

#include "store/deck.h"
#include "store/leftwork.h"
#include "store/pictures.h"

#include <QObject>

#include <algorithm>
#include <utility>

namespace velmora {

void PictureReadAhead::setDeck(const QString &path)
{
    pending_.reset();
    path_ = path;
}

void PictureReadAhead::start(int cardId, QSize shownSize)
{
    if (path_.isEmpty() || (pending_ && cardId_ == cardId && size_ == shownSize))
        return;
    std::erase_if(abandoned_, [](const auto &read) { return read->wait(QDeadlineTimer(0)); });
    if (pending_)
        abandoned_.push_back(std::move(pending_));
    cardId_ = cardId;
    size_ = shownSize;
    pending_ = std::make_unique<BackgroundJob<QImage>>([path = path_, cardId, shownSize] {
        Deck deck;
        if (!deck.open(path))
            return QImage();
        return decodePicture(deck.picture(cardId), shownSize);
    });
}

std::optional<QImage> PictureReadAhead::take(int cardId, QSize shownSize)
{
    if (!pending_ || cardId_ != cardId || size_ != shownSize)
        return std::nullopt;
    // Started while the previous card was on screen, so it is done or nearly.
    QImage picture = pending_->take();
    pending_.reset();
    return picture;
}

// Lives on the warmer's owner's thread; the reader signals through it, so
// that only Qt's queue carries the card over.
class PictureRelay : public QObject
{
    Q_OBJECT

signals:
    void read(int cardId);
};

// What the warmer and its reader share, and only under `mutex`. A stopped
// reading's reader may still be at work: it keeps this alive and, finding it
// stopped, drops what it reads and tells no one.
struct PictureWarmer::Shared
{
    std::mutex mutex;
    std::deque<int> queue;
    int reading = 0;      // the card being read
    bool drained = false; // the reader found the queue empty and asks no more
    bool stopped = false; // set by the warmer before the relay may go
    QHash<int, QImage> read;
};

// Used on the warmer's thread only, with a deck connection of its own.
class PictureReader
{
public:
    PictureReader(QString path, QSize shownSize, std::shared_ptr<PictureWarmer::Shared> shared, PictureRelay &relay)
        : path_(std::move(path)), size_(shownSize), shared_(std::move(shared)), relay_(relay)
    {}

    // Reads one card's bytes, and decodes them as a task of its own, then asks
    // again through the worker's queue: a stop finds the reader between two
    // frames' work, which is all it can drop.
    void readNext(WorkerThread &worker, const std::shared_ptr<PictureReader> &self)
    {
        if (stopped())
            return;
        // A deck that cannot be read leaves the warmer idle until it is stopped.
        if (!deck_.isOpen() && !deck_.open(path_))
            return;
        int cardId = 0;
        {
            const std::lock_guard lock(shared_->mutex);
            if (shared_->stopped)
                return;
            if (shared_->queue.empty()) {
                shared_->drained = true;
                return;
            }
            cardId = shared_->queue.front();
            shared_->queue.pop_front();
            shared_->reading = cardId;
        }
        worker.post(
            [self, &worker, cardId, bytes = deck_.picture(cardId)] { self->decode(worker, self, cardId, bytes); });
    }

private:
    void decode(WorkerThread &worker, const std::shared_ptr<PictureReader> &self, int cardId, const QByteArray &bytes)
    {
        if (stopped())
            return;
        QImage picture = decodePicture(bytes, size_);
        {
            const std::lock_guard lock(shared_->mutex);
            if (shared_->stopped)
                return;
            if (!picture.isNull())
                shared_->read.insert(cardId, picture);
            shared_->reading = 0;
            // Under the lock: the warmer lets the relay go only once it has
            // marked this reading stopped under it.
            emit relay_.read(cardId);
        }
        worker.post([self, &worker] { self->readNext(worker, self); });
    }

    [[nodiscard]] bool stopped() const
    {
        const std::lock_guard lock(shared_->mutex);
        return shared_->stopped;
    }

    const QString path_;
    const QSize size_;
    const std::shared_ptr<PictureWarmer::Shared> shared_;
    PictureRelay &relay_;
    Deck deck_;
};

PictureWarmer::PictureWarmer() : relay_(std::make_unique<PictureRelay>()) {}

void PictureWarmer::tellRead(QObject *context, std::function<void(int)> read)
{
    QObject::disconnect(relay_.get(), &PictureRelay::read, nullptr, nullptr);
    QObject::connect(relay_.get(), &PictureRelay::read, context, std::move(read), Qt::QueuedConnection);
}

PictureWarmer::~PictureWarmer()
{
    stop();
}

void PictureWarmer::start(const QString &path, const QVector<int> &cardIds, QSize shownSize)
{
    stop();
    shared_ = std::make_shared<Shared>();
    shared_->queue.assign(cardIds.cbegin(), cardIds.cend());
    size_ = shownSize;
    reader_ = std::make_shared<PictureReader>(path, shownSize, shared_, *relay_);
    worker_ = std::make_unique<WorkerThread>(QStringLiteral("PictureWarmer"));
    worker_->post([reader = reader_, worker = worker_.get()] { reader->readNext(*worker, reader); });
}

void PictureWarmer::prefer(int cardId)
{
    if (!worker_)
        return;
    const std::lock_guard lock(shared_->mutex);
    auto &queue = shared_->queue;
    const auto found = std::find(queue.begin(), queue.end(), cardId);
    if (found == queue.end())
        return;
    queue.erase(found);
    queue.push_front(cardId);
}

void PictureWarmer::add(int cardId)
{
    if (!worker_)
        return;
    bool drained = false;
    {
        const std::lock_guard lock(shared_->mutex);
        auto &queue = shared_->queue;
        if (const auto found = std::find(queue.begin(), queue.end(), cardId); found != queue.end())
            queue.erase(found);
        queue.push_front(cardId);
        drained = std::exchange(shared_->drained, false);
    }
    // A reader still at work takes the card on its own; one that ran dry is asked again.
    if (drained)
        worker_->post([reader = reader_, worker = worker_.get()] { reader->readNext(*worker, reader); });
}

bool PictureWarmer::waiting(int cardId)
{
    if (!worker_)
        return false;
    const std::lock_guard lock(shared_->mutex);
    const auto &queue = shared_->queue;
    return shared_->reading == cardId || std::find(queue.begin(), queue.end(), cardId) != queue.end();
}

QHash<int, QImage> PictureWarmer::stop()
{
    if (!worker_)
        return {};
    QHash<int, QImage> read;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stopped = true;
        shared_->queue.clear();
        read = std::exchange(shared_->read, {});
    }
    // The worker ends after the step it is in; its next one is not taken.
    worker_->close();
    finishLater(std::move(worker_));
    reader_.reset();
    shared_.reset();
    return read;
}

std::optional<QImage> PictureWarmer::take(int cardId, QSize shownSize)
{
    if (!worker_)
        return std::nullopt;
    if (shownSize != size_)
        return std::nullopt;
    const std::lock_guard lock(shared_->mutex);
    const auto found = shared_->read.find(cardId);
    if (found == shared_->read.end())
        return std::nullopt;
    QImage picture = std::move(*found);
    shared_->read.erase(found);
    return picture;
}

} // namespace velmora

#include "readahead.moc"
