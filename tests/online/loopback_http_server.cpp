// The loopback HTTP server.
#include "loopback_http_server.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace velmar::test {
namespace {

class Listener : public QObject {
public:
    explicit Listener(LoopbackHttpServer& owner) : owner_(owner) {}

    quint16 listen()
    {
        server_ = new QTcpServer(this);
        server_->listen(QHostAddress::LocalHost, 0);
        connect(server_, &QTcpServer::newConnection, this, &Listener::accept);
        return server_->serverPort();
    }

private:
    void accept()
    {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                received->append(socket->readAll());
                const qsizetype end = received->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray answer = owner_.take(received->left(end));
                received->clear();
                if (owner_.mode() == LoopbackHttpServer::Mode::Silent)
                    return;
                socket->write(answer);
                socket->disconnectFromHost();
            });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    }

    LoopbackHttpServer& owner_;
    QTcpServer* server_ = nullptr;
};

}  // namespace

LoopbackHttpServer::LoopbackHttpServer(QByteArray body, Mode mode) : body_(std::move(body)), mode_(mode)
{
    thread_.start();
    auto* listener = new Listener(*this);
    listener->moveToThread(&thread_);
    listener_ = listener;
    QMetaObject::invokeMethod(
        listener, [this, listener] { port_ = listener->listen(); }, Qt::BlockingQueuedConnection);
}

LoopbackHttpServer::~LoopbackHttpServer()
{
    QMetaObject::invokeMethod(
        listener_, [this] { delete listener_; }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

QString LoopbackHttpServer::host() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

QList<QByteArray> LoopbackHttpServer::requests() const
{
    QMutexLocker lock(&mutex_);
    return requests_;
}

QByteArray LoopbackHttpServer::take(const QByteArray& head)
{
    {
        QMutexLocker lock(&mutex_);
        requests_ << head;
    }
    return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body_.size()) +
        "\r\nConnection: close\r\n\r\n" + body_;
}

QByteArray headerValue(const QByteArray& head, const QByteArray& name)
{
    for (const QByteArray& line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

QByteArray requestTarget(const QByteArray& head)
{
    const QList<QByteArray> words = head.left(head.indexOf('\r')).split(' ');
    return words.size() == 3 ? words[1] : QByteArray();
}

}  // namespace velmar::test
