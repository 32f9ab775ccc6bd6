#pragma once

// A box that shows one card picture, kept whole and scaled into the box at
// paint time, so the picture stays in proportion and sharp at any size.

#include "store/pictures.h"

#include <QPixmap>
#include <QWidget>

namespace velmora {

class PictureBox : public QWidget, public PictureHolder
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    [[nodiscard]] QImage picture() const override { return image_; }
    void setPicture(const QImage &image) override;

    // Where the picture lands inside a box of the given size: as large as fits,
    // proportions kept, centred. Empty for no picture.
    [[nodiscard]] static QRect fittedRect(const QSize &picture, const QSize &box);

    [[nodiscard]] QSize sizeHint() const override;
    // The box's own size in device pixels: pictures are decoded no larger, so
    // a photo of many megapixels costs what the box shows of it.
    [[nodiscard]] QSize decodeSize() const;

signals:
    // The box grew past the size its picture was decoded for: decoded again,
    // it shows sharp instead of scaled up.
    void outgrown();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QImage image_;
    QSize decodedFor_;
    // The picture scaled for the last painted size, so repaints without a
    // resize do not scale again.
    QPixmap scaled_;
};

} // namespace velmora
