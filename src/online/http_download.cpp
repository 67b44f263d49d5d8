// The HTTP download over Qt Network.
#include "online/http_download.h"

#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <memory>

namespace velmar {
namespace {

// The proxy the system is set up with, for this request only (the program-wide factory stays as it is).
class SystemProxies : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override { return systemProxyForQuery(query); }
};

QNetworkRequest suggestionRequest(const QUrl& url)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Sugestii"));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setRawHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-cache"));
    return request;
}

// A reply the server answered, whatever its status; transport failures and aborts have no status.
bool answered(const QNetworkReply& reply)
{
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() &&
        reply.error() != QNetworkReply::OperationCanceledError;
}

}  // namespace

DownloadCode DownloadToFile(const QUrl& url, const QString& path, std::chrono::milliseconds timeout)
{
    QNetworkAccessManager manager;
    manager.setProxyFactory(new SystemProxies);
    std::unique_ptr<QNetworkReply> reply(manager.get(suggestionRequest(url)));
    QFile file(path);
    bool fileFailed = false;

    // The file is made once the server has answered, and each block goes to it as it arrives.
    auto storeArrived = [&] {
        return (file.isOpen() || file.open(QIODevice::WriteOnly | QIODevice::Truncate)) &&
            file.write(reply->readAll()) >= 0;
    };

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        if (!storeArrived()) {
            fileFailed = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(timeout);
    if (!reply->isFinished())
        loop.exec();
    deadline.stop();

    const DownloadCode code = [&] {
        if (fileFailed)
            return DownloadCode::FileNotCreatable;
        if (!answered(*reply))
            return DownloadCode::NotReachable;
        // What is left, and the file itself for an empty body, which brings no readyRead.
        return storeArrived() && file.flush() ? DownloadCode::Stored : DownloadCode::FileNotCreatable;
    }();
    if (code != DownloadCode::Stored && file.isOpen())
        file.remove();  // a body cut short is no answer
    return code;
}

}  // namespace velmar
