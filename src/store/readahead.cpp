#include "store/readahead.h"

#include "store/deck.h"
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

// Used on the warmer's thread only, with a deck connection of its own.
class PictureReader
{
public:
    PictureReader(QString path, QSize shownSize, PictureWarmer &owner, PictureRelay &relay)
        : path_(std::move(path)), size_(shownSize), owner_(owner), relay_(relay)
    {}

    // Reads one card's bytes, and decodes them as a task of its own, then asks
    // again through the worker's queue: stopping the worker waits for one
    // read or one decode at most. A BMP photo's read through the cipher and
    // its decode take a frame or more each, and a window closed mid-picture
    // waited for both.
    void readNext(WorkerThread &worker)
    {
        // A deck that cannot be read leaves the warmer idle until it is stopped.
        if (!deck_.isOpen() && !deck_.open(path_))
            return;
        int cardId = 0;
        {
            const std::lock_guard lock(owner_.mutex_);
            if (owner_.queue_.empty()) {
                owner_.drained_ = true;
                return;
            }
            cardId = owner_.queue_.front();
            owner_.queue_.pop_front();
            owner_.reading_ = cardId;
        }
        worker.post([this, &worker, cardId, bytes = deck_.picture(cardId)] { decode(worker, cardId, bytes); });
    }

private:
    void decode(WorkerThread &worker, int cardId, const QByteArray &bytes)
    {
        QImage picture = decodePicture(bytes, size_);
        {
            const std::lock_guard lock(owner_.mutex_);
            if (!picture.isNull())
                owner_.read_.insert(cardId, std::move(picture));
            owner_.reading_ = 0;
        }
        // The owner stops the worker before the relay goes.
        emit relay_.read(cardId);
        worker.post([this, &worker] { readNext(worker); });
    }

    const QString path_;
    const QSize size_;
    PictureWarmer &owner_;
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
    size_ = shownSize;
    {
        const std::lock_guard lock(mutex_);
        queue_.assign(cardIds.cbegin(), cardIds.cend());
        drained_ = false;
    }
    reader_ = std::make_unique<PictureReader>(path, shownSize, *this, *relay_);
    worker_ = std::make_unique<WorkerThread>(QStringLiteral("PictureWarmer"));
    worker_->post([reader = reader_.get(), worker = worker_.get()] { reader->readNext(*worker); });
}

void PictureWarmer::prefer(int cardId)
{
    const std::lock_guard lock(mutex_);
    const auto found = std::find(queue_.begin(), queue_.end(), cardId);
    if (found == queue_.end())
        return;
    queue_.erase(found);
    queue_.push_front(cardId);
}

void PictureWarmer::add(int cardId)
{
    if (!worker_)
        return;
    bool drained = false;
    {
        const std::lock_guard lock(mutex_);
        if (const auto found = std::find(queue_.begin(), queue_.end(), cardId); found != queue_.end())
            queue_.erase(found);
        queue_.push_front(cardId);
        drained = std::exchange(drained_, false);
    }
    // A reader still at work takes the card on its own; one that ran dry is asked again.
    if (drained)
        worker_->post([reader = reader_.get(), worker = worker_.get()] { reader->readNext(*worker); });
}

bool PictureWarmer::waiting(int cardId)
{
    const std::lock_guard lock(mutex_);
    return worker_ && (reading_ == cardId || std::find(queue_.begin(), queue_.end(), cardId) != queue_.end());
}

QHash<int, QImage> PictureWarmer::stop()
{
    if (worker_) {
        // The picture being read is finished; the reader's next call is not taken.
        worker_->stop();
        worker_.reset();
        reader_.reset();
    }
    const std::lock_guard lock(mutex_);
    queue_.clear();
    reading_ = 0; // a decode dropped by the stop
    return std::exchange(read_, {});
}

std::optional<QImage> PictureWarmer::take(int cardId, QSize shownSize)
{
    const std::lock_guard lock(mutex_);
    if (shownSize != size_)
        return std::nullopt;
    const auto found = read_.find(cardId);
    if (found == read_.end())
        return std::nullopt;
    QImage picture = std::move(*found);
    read_.erase(found);
    return picture;
}

} // namespace velmora

#include "readahead.moc"
