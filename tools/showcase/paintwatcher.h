#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Prints "<program>: shown NAME" on standard output once the watched window
// has been painted for the first time, then runs whenShown (if any).
class PaintWatcher : public QObject
{
public:
    PaintWatcher(QString line, std::function<void()> whenShown, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString line_;
    std::function<void()> whenShown_;
    bool announced_ = false;
};
