#include "store/readahead.h"

#include "store/deck.h"
#include "store/pictures.h"

namespace velmora {

PictureReadAhead::~PictureReadAhead()
{
    if (pending_.valid())
        pending_.wait();
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
    if (pending_.valid())
        pending_.wait();
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

} // namespace velmora
