#include "app/secondstart.h"

#include <QApplication>
#include <QDataStream>
#include <QFile>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace velmora {

namespace {

// A command line is short; anything longer is not a copy of this program.
constexpr qint64 kMostBytes = 64 * 1024;
constexpr int kMostArguments = 256;
constexpr char kTaken[] = "taken\n";

QByteArray encode(const QStringList &arguments)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << quint32(arguments.size());
    for (const QString &argument : arguments)
        out << argument;
    return bytes;
}

// Nothing until the whole message is there; an empty optional when it
// cannot be one.
std::optional<QStringList> decode(const QByteArray &bytes, bool *complete)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 count = 0;
    in >> count;
    *complete = false;
    if (in.status() != QDataStream::Ok)
        return QStringList();
    if (count > quint32(kMostArguments))
        return std::nullopt;
    QStringList arguments;
    for (quint32 i = 0; i < count; ++i) {
        QString argument;
        in >> argument;
        if (in.status() != QDataStream::Ok)
            return QStringList();
        arguments.append(argument);
    }
    *complete = true;
    return arguments;
}

// The socket's address; false when the path does not fit one.
bool fillAddress(const QString &path, sockaddr_un *address)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty() || size_t(name.size()) >= sizeof address->sun_path)
        return false;
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, name.constData(), size_t(name.size()) + 1);
    return true;
}

// False when nothing happened within timeoutMs.
bool waitFor(int fd, short events, int timeoutMs)
{
    pollfd watched{fd, events, 0};
    int ready = 0;
    do
        ready = ::poll(&watched, 1, timeoutMs);
    while (ready < 0 && errno == EINTR);
    return ready > 0;
}

int socketError(int fd)
{
    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        return errno;
    return error;
}

} // namespace

QString secondStartSocketPath(const QString &lockFilePath)
{
    if (lockFilePath.isEmpty())
        return {};
    QString path = lockFilePath;
    if (path.endsWith(QLatin1String(".lock")))
        path.chop(5);
    return path + QStringLiteral(".socket");
}

SecondStartListener::SecondStartListener(QString socketPath, QObject *parent)
    : QObject(parent), path_(std::move(socketPath))
{}

SecondStartListener::~SecondStartListener()
{
    if (server_ < 0)
        return;
    delete notifier_;
    ::close(server_);
    // The next copy finds no socket of a copy that has ended.
    ::unlink(QFile::encodeName(path_).constData());
}

bool SecondStartListener::listen()
{
    sockaddr_un address{};
    if (!fillAddress(path_, &address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    // Only the holder of the lock gets here: a socket file there is a dead copy's.
    ::unlink(address.sun_path);
    // Only the user may hand a command line over.
    if (::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(fd, 50) != 0) {
        ::close(fd);
        return false;
    }
    server_ = fd;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SecondStartListener::takeConnection);
    return true;
}

void SecondStartListener::takeConnection()
{
    int fd = -1;
    while ((fd = ::accept4(server_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        auto *reader = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto buffer = std::make_shared<QByteArray>();
        // The notifier goes before its socket, and with it the connection.
        const auto drop = [reader, fd] {
            reader->setEnabled(false);
            reader->deleteLater();
            ::close(fd);
        };
        connect(reader, &QSocketNotifier::activated, this, [this, fd, buffer, drop] {
            char chunk[4096];
            const qint64 wanted = std::min<qint64>(qint64(sizeof chunk), kMostBytes + 1 - buffer->size());
            const ssize_t got = ::read(fd, chunk, size_t(wanted));
            if (got < 0 && (errno == EAGAIN || errno == EINTR))
                return;
            if (got <= 0) {
                drop();
                return;
            }
            buffer->append(chunk, got);
            bool complete = false;
            const std::optional<QStringList> arguments = decode(*buffer, &complete);
            if (!arguments || buffer->size() > kMostBytes) {
                drop();
                return;
            }
            if (!complete)
                return;
            // A few bytes fit any socket's buffer: the write does not block.
            (void)::send(fd, kTaken, sizeof kTaken - 1, MSG_NOSIGNAL);
            drop();
            emit secondStarted(*arguments);
        });
    }
}

bool handToRunningCopy(const QString &socketPath, const QStringList &arguments, int timeoutMs)
{
    sockaddr_un address{};
    if (!fillAddress(socketPath, &address))
        return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const bool taken = [&] {
        if (::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 &&
            (errno != EINPROGRESS || !waitFor(fd, POLLOUT, timeoutMs) || socketError(fd) != 0))
            return false;
        const QByteArray bytes = encode(arguments);
        qsizetype sent = 0;
        while (sent < bytes.size()) {
            const ssize_t done = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
            if (done > 0)
                sent += done;
            else if (done < 0 && errno == EINTR)
                continue;
            else if (done == 0 || errno != EAGAIN || !waitFor(fd, POLLOUT, timeoutMs))
                return false;
        }
        QByteArray answer;
        while (answer.size() < qsizetype(sizeof kTaken - 1)) {
            char chunk[sizeof kTaken];
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got > 0)
                answer.append(chunk, got);
            else if (got < 0 && errno == EINTR)
                continue;
            else if (got == 0 || errno != EAGAIN || !waitFor(fd, POLLIN, timeoutMs))
                break;
        }
        return answer.startsWith(kTaken);
    }();
    ::close(fd);
    return taken;
}

QWidget *answerSecondStart(const QStringList &arguments)
{
    if (arguments.mid(1).contains(QStringLiteral("/STARTUP"), Qt::CaseInsensitive))
        return nullptr;
    QWidget *window = QApplication::activeModalWidget();
    if (!window) {
        QWidget *hiddenMain = nullptr;
        QWidget *start = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            const Qt::WindowType type = widget->windowType();
            if (!widget->isWindow() || type == Qt::ToolTip || type == Qt::Popup)
                continue;
            if (widget->isVisible()) {
                // The window last active, else the last one listed.
                if (!window || widget == QApplication::activeWindow())
                    window = widget;
            } else if (widget->objectName() == QLatin1String("frmMain")) {
                hiddenMain = widget;
            } else if (widget->objectName() == QLatin1String("frmBegin")) {
                start = widget;
            }
        }
        if (!window)
            window = hiddenMain ? hiddenMain : start;
    }
    if (!window)
        return nullptr;
    if (window->isMinimized() || !window->isVisible())
        window->showNormal();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace velmora
