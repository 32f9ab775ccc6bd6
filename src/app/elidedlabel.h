#pragma once

// A one-line label for text from a deck: plain text, cut short with "..." to
// the room it is given, so no name ever widens its window. text() stays whole.

#include <QLabel>

namespace velmora {

class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velmora
