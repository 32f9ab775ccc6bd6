#include "store/readahead.h"

#include "store/deck.h"
#include "store/pictures.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace velmora {

PictureReadAhead::~PictureReadAhead()
{
    if (pending_.valid())
        pending_.wait();
    for (auto &read : abandoned_)
        read.wait();
}

void PictureReadAhead::setDeck(const QString &path)
{
    if (pending_.valid())
        pending_.wait();
    pending_ = {};
    path_ = path;
}

void PictureReadAhead::start(int cardId, QSize shownSize)
{
    if (path_.isEmpty() || (pending_.valid() && cardId_ == cardId && size_ == shownSize))
        return;
    abandoned_.erase(std::remove_if(abandoned_.begin(), abandoned_.end(),
                                    [](const std::future<QImage> &read) {
                                        return read.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
                                    }),
                     abandoned_.end());
    if (pending_.valid())
        abandoned_.push_back(std::move(pending_));
    cardId_ = cardId;
    size_ = shownSize;
    pending_ = std::async(std::launch::async, [path = path_, cardId, shownSize] {
        Deck deck;
        if (!deck.open(path))
            return QImage();
        return decodePicture(deck.picture(cardId), shownSize);
    });
}

std::optional<QImage> PictureReadAhead::take(int cardId, QSize shownSize)
{
    if (!pending_.valid() || cardId_ != cardId || size_ != shownSize)
        return std::nullopt;
    // Started while the previous card was on screen, so it is done or nearly.
    return pending_.get();
}

PictureWarmer::~PictureWarmer()
{
    stop();
}

void PictureWarmer::start(const QString &path, const QVector<int> &cardIds, QSize shownSize)
{
    stop();
    size_ = shownSize;
    stopping_ = false;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.assign(cardIds.cbegin(), cardIds.cend());
    }
    thread_ = std::thread([this, path, shownSize] {
        Deck deck;
        if (!deck.open(path))
            return;
        while (!stopping_) {
            int cardId = 0;
            {
                const std::lock_guard<std::mutex> lock(mutex_);
                if (queue_.empty())
                    return;
                cardId = queue_.front();
                queue_.pop_front();
            }
            QImage picture = decodePicture(deck.picture(cardId), shownSize);
            if (picture.isNull())
                continue;
            const std::lock_guard<std::mutex> lock(mutex_);
            read_.insert(cardId, std::move(picture));
        }
    });
}

void PictureWarmer::prefer(int cardId)
{
    const std::lock_guard<std::mutex> lock(mutex_);
    const auto found = std::find(queue_.begin(), queue_.end(), cardId);
    if (found == queue_.end())
        return;
    queue_.erase(found);
    queue_.push_front(cardId);
}

QHash<int, QImage> PictureWarmer::stop()
{
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
    const std::lock_guard<std::mutex> lock(mutex_);
    queue_.clear();
    return std::exchange(read_, {});
}

std::optional<QImage> PictureWarmer::take(int cardId, QSize shownSize)
{
    const std::lock_guard<std::mutex> lock(mutex_);
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
