// The single-copy channel over QLocalServer / QLocalSocket.
#include "platform/single_instance.h"

#include "platform/system_info.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>

namespace velmar {
namespace {

const QByteArray kComeForward = QByteArrayLiteral("raise");
constexpr int kAnswerMs = 1000;

}  // namespace

SingleInstance::SingleInstance(QString channel, QObject* parent) : QObject(parent), channel_(std::move(channel))
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection())
            answer(socket);
    });
}

QString SingleInstance::userChannel() { return QStringLiteral("velmar-") + userName(); }

bool SingleInstance::handOverToRunningCopy()
{
    if (askRunningCopy())
        return true;
    if (server_.listen(channel_))
        return false;
    // Either a copy started at the same moment took the channel, or a copy that crashed left it behind.
    if (askRunningCopy())
        return true;
    QLocalServer::removeServer(channel_);
    server_.listen(channel_);
    return false;
}

bool SingleInstance::askRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(channel_);
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(kComeForward);
    socket.waitForBytesWritten(kAnswerMs);
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::answer(QLocalSocket* socket)
{
    const auto read = [this, socket] {
        if (socket->readAll().contains(kComeForward))
            emit comeForwardRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    read();  // what arrived before the connection was taken
}

void SingleInstance::waitForRunningCopyToEnd(const QString& channel)
{
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(channel);
        if (!socket.waitForConnected(kAnswerMs))
            return;
        socket.abort();
        QThread::msleep(100);
    }
}

void BringForward(QWidget& window)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.raise();
    window.activateWindow();
}

}  // namespace velmar
