#pragma once

// Reads one card picture ahead on a worker thread with its own connection,
// so that "Next >>" finds it decoded.

#include <QImage>
#include <QSize>
#include <QString>

#include <future>
#include <optional>
#include <vector>

namespace velmora {

class PictureReadAhead
{
public:
    PictureReadAhead() = default;
    ~PictureReadAhead();
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
    std::future<QImage> pending_;
    // Reads no longer wanted, left to finish on their own: waiting for one
    // would hold up the card that is wanted instead.
    std::vector<std::future<QImage>> abandoned_;
};

} // namespace velmora
