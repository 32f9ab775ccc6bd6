#pragma once

#include <QWidget>

namespace velmora {

class WrappedLabel;

// A label that reads as a web link. It takes the keyboard focus, reports a
// click with the left button, Space or Enter, and tells assistive tools that
// it is a link they can press.
//
// The text sits in a plain label that never takes the focus: a QLabel that
// does lays its text out through a whole text document, which made the start
// screen's four links cost more than all its other widgets together.
class LinkLabel : public QWidget
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text = QString(), QWidget *parent = nullptr);

    [[nodiscard]] QString text() const;
    void setText(const QString &text);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void followPalette();

    WrappedLabel *text_ = nullptr;
    bool pressed_ = false;
};

} // namespace velmora
