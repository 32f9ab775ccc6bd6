#pragma once

// The ways out that come from outside the program's windows: the end of the
// desktop session and a request to terminate (SIGTERM, SIGINT, SIGHUP). Both
// end the program as its Exit commands do, so every window finishes its work
// first; a session end that a window refuses is cancelled.

#include <QObject>

class QSessionManager;
class QSocketNotifier;

namespace velmora {

// What a desktop session manager offers a program it asks to end.
class SessionEnd
{
public:
    virtual ~SessionEnd() = default;
    [[nodiscard]] virtual bool allowsInteraction() = 0;
    virtual void cancel() = 0;
    virtual void release() = 0;
};

// Ends the program as its Exit commands do, letting windows ask only when
// the session allows it. A window that refuses cancels the session's end.
void answerSessionEnd(SessionEnd &session);

class OrderlyEnding : public QObject
{
    Q_OBJECT

public:
    // One at a time: the signal handlers are the process's.
    explicit OrderlyEnding(QObject *parent = nullptr);
    ~OrderlyEnding() override;
    OrderlyEnding(const OrderlyEnding &) = delete;
    OrderlyEnding &operator=(const OrderlyEnding &) = delete;

private:
    void onSessionEnding(QSessionManager &manager);
    void onSignalled();

    QSocketNotifier *notifier_ = nullptr;
};

} // namespace velmora
