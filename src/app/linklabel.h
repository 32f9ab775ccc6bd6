#pragma once

#include <QLabel>

namespace velmora {

// A label that reads as a web link. It takes the keyboard focus, reports a
// click with the left button, Space or Enter, and tells assistive tools that
// it is a link they can press.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text = QString(), QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed_ = false;
};

} // namespace velmora
