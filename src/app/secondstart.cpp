#include "app/secondstart.h"

#include <QApplication>
#include <QDataStream>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

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
    if (server_)
        server_->close();
}

bool SecondStartListener::listen()
{
    if (path_.isEmpty())
        return false;
    // Only the holder of the lock gets here: a socket file there is a dead copy's.
    QLocalServer::removeServer(path_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SecondStartListener::takeConnection);
    return server_->listen(path_);
}

void SecondStartListener::takeConnection()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer] {
            buffer->append(socket->read(kMostBytes + 1 - buffer->size()));
            bool complete = false;
            const std::optional<QStringList> arguments = decode(*buffer, &complete);
            if (!arguments || buffer->size() > kMostBytes) {
                socket->abort();
                return;
            }
            if (!complete)
                return;
            socket->write(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            emit secondStarted(*arguments);
        });
    }
}

bool handToRunningCopy(const QString &socketPath, const QStringList &arguments, int timeoutMs)
{
    if (socketPath.isEmpty())
        return false;
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(encode(arguments));
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    QByteArray answer;
    while (answer.size() < qsizetype(sizeof kTaken - 1) && socket.waitForReadyRead(timeoutMs))
        answer.append(socket.read(qint64(sizeof kTaken)));
    return answer.startsWith(kTaken);
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
