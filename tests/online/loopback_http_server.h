// An HTTP server on 127.0.0.1 for the suggestion tests, on a thread of its own so that it answers while the
// test waits (inside the program's own event loop or on a child process). It keeps every request it gets.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QThread>

namespace velmar::test {

class LoopbackHttpServer {
public:
    enum class Mode {
        Answer,  // 200 OK with the body, then the connection closes
        Silent,  // takes the request and never answers
    };

    explicit LoopbackHttpServer(QByteArray body = "SUCCES", Mode mode = Mode::Answer);
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    QString host() const;                // "127.0.0.1:<port>", as the SUGESTII setting names it
    QList<QByteArray> requests() const;  // each request's head: request line and header lines

    // What the server does with a request, from the server's thread.
    QByteArray take(const QByteArray& head);
    Mode mode() const { return mode_; }

private:
    const QByteArray body_;
    const Mode mode_;
    QThread thread_;
    QObject* listener_ = nullptr;  // lives on thread_
    quint16 port_ = 0;
    mutable QMutex mutex_;
    QList<QByteArray> requests_;
};

// The value of header `name` in a request head, empty when missing.
QByteArray headerValue(const QByteArray& head, const QByteArray& name);
// The target of the request line: "/sugestii.php?nume=..."
QByteArray requestTarget(const QByteArray& head);

}  // namespace velmar::test
