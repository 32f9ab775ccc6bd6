#include "app/orderlyending.h"

#include "app/shell.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace velmora {

namespace {

#ifdef Q_OS_UNIX
// A signal handler may do almost nothing: it writes one byte into a socket
// pair, and the event loop reads it and ends the program between two events.
int g_signalSockets[2] = {-1, -1};
constexpr int kEndingSignals[] = {SIGTERM, SIGINT, SIGHUP};

void onEndingSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    (void)!::write(g_signalSockets[0], &byte, 1);
    errno = savedErrno;
}

void handleEndingSignals(void (*handler)(int))
{
    struct sigaction action
    {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kEndingSignals)
        ::sigaction(signal, &action, nullptr);
}
#endif

} // namespace

OrderlyEnding::OrderlyEnding(QObject *parent) : QObject(parent)
{
#ifndef QT_NO_SESSIONMANAGER
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &OrderlyEnding::onSessionEnding, Qt::DirectConnection);
#endif
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalSockets) != 0)
        return;
    // A burst of signals must not block the handler on a full socket, nor
    // the reading of it the event loop.
    for (const int socket : g_signalSockets)
        ::fcntl(socket, F_SETFL, ::fcntl(socket, F_GETFL) | O_NONBLOCK);
    notifier_ = new QSocketNotifier(g_signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &OrderlyEnding::onSignalled);
    handleEndingSignals(onEndingSignal);
#endif
}

OrderlyEnding::~OrderlyEnding()
{
#ifdef Q_OS_UNIX
    if (!notifier_)
        return;
    handleEndingSignals(SIG_DFL);
    delete notifier_;
    for (int &socket : g_signalSockets) {
        ::close(socket);
        socket = -1;
    }
#endif
}

void answerSessionEnd(SessionEnd &session)
{
    // The leave to ask is asked for first; without it no window may show a
    // question, so one that would have to refuses and the session goes on.
    const bool mayAsk = session.allowsInteraction();
    if (!endProgramInOrder(mayAsk))
        session.cancel();
    if (mayAsk)
        session.release();
}

void OrderlyEnding::onSessionEnding(QSessionManager &manager)
{
#ifndef QT_NO_SESSIONMANAGER
    struct Manager : SessionEnd
    {
        QSessionManager &manager;
        explicit Manager(QSessionManager &m) : manager(m) {}
        bool allowsInteraction() override { return manager.allowsInteraction(); }
        void cancel() override { manager.cancel(); }
        void release() override { manager.release(); }
    } session(manager);
    answerSessionEnd(session);
#else
    Q_UNUSED(manager);
#endif
}

void OrderlyEnding::onSignalled()
{
#ifdef Q_OS_UNIX
    char bytes[16];
    while (::read(g_signalSockets[1], bytes, sizeof bytes) > 0) {
    }
#endif
    EndProgram();
}

} // namespace velmora
