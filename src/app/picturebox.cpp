#include "app/picturebox.h"

#include <QPainter>

namespace velmora {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(60, 100);
}

void PictureBox::setPicture(const QImage &image)
{
    image_ = image;
    // The holder's callers decode for the box as it is when they set it.
    decodedFor_ = decodeSize();
    scaled_ = QPixmap();
    update();
}

QRect PictureBox::fittedRect(const QSize &picture, const QSize &box)
{
    if (picture.isEmpty() || box.isEmpty())
        return {};
    const QSize size = picture.scaled(box, Qt::KeepAspectRatio);
    return QRect(QPoint((box.width() - size.width()) / 2, (box.height() - size.height()) / 2), size);
}

QSize PictureBox::decodeSize() const
{
    return (QSizeF(contentsRect().size()) * devicePixelRatioF()).toSize();
}

void PictureBox::resizeEvent(QResizeEvent * /*event*/)
{
    const QSize now = decodeSize();
    // Only a picture shown smaller than it was stored gains by a new decode;
    // one drawn larger than its own pixels would be scaled up either way.
    const QSize fitted = fittedRect(image_.size(), now).size();
    if (image_.isNull() || (now.width() <= decodedFor_.width() && now.height() <= decodedFor_.height()) ||
        (fitted.width() <= image_.width() && fitted.height() <= image_.height()))
        return;
    decodedFor_ = now;
    emit outgrown();
}

QSize PictureBox::sizeHint() const
{
    return {175, 300};
}

void PictureBox::paintEvent(QPaintEvent * /*event*/)
{
    const QRect target = fittedRect(image_.size(), size());
    if (target.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels = (QSizeF(target.size()) * ratio).toSize();
    if (scaled_.isNull() || scaled_.size() != devicePixels) {
        scaled_ = QPixmap::fromImage(image_.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), scaled_);
}

} // namespace velmora
