#pragma once

// A second start of the program hands its command line to the running copy
// over a local socket beside the single-instance lock; the running copy
// brings its window to the front, so the user sees the program they asked
// for rather than only a message. A plain Unix socket: Qt's network module,
// with the Kerberos and proxy libraries behind it, would be loaded at every
// start for this one socket.

#include <QObject>
#include <QString>
#include <QStringList>

class QSocketNotifier;
class QWidget;

namespace velmora {

// Where the running copy listens: beside the lock file, in a folder only the
// user can write. Empty when there is no lock file.
[[nodiscard]] QString secondStartSocketPath(const QString &lockFilePath);

// The running copy's end. Listens once the lock is held, so a socket left by
// a copy that died can be removed without taking one that lives.
class SecondStartListener : public QObject
{
    Q_OBJECT

public:
    explicit SecondStartListener(QString socketPath, QObject *parent = nullptr);
    ~SecondStartListener() override;
    [[nodiscard]] bool listen();

signals:
    // The arguments of the second start, its program name first.
    void secondStarted(const QStringList &arguments);

private:
    void takeConnection();

    QString path_;
    int server_ = -1;
    QSocketNotifier *notifier_ = nullptr;
};

// The second start's end: true when the running copy took the arguments.
// Blocks for at most timeoutMs at each step.
[[nodiscard]] bool handToRunningCopy(const QString &socketPath, const QStringList &arguments, int timeoutMs = 3000);

// What the running copy does with a second start: a logon start ("/STARTUP")
// leaves it as it is; any other brings to the front the window the user
// works in (a modal one first), else the main window from the tray, else the
// start screen. The window, or null when none was raised.
QWidget *answerSecondStart(const QStringList &arguments);

} // namespace velmora
