#include "learn/picturebox.h"

#include <QPainter>
#include <QScreen>

namespace velmora {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(60, 100);
}

void PictureBox::setPicture(const QImage &image)
{
    image_ = image;
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
    const QScreen *shownOn = screen();
    if (!shownOn)
        return {};
    return (QSizeF(shownOn->size()) * shownOn->devicePixelRatio()).toSize();
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
