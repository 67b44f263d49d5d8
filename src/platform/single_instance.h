// One copy of the program per user. The first copy listens on a local channel named after the user; a
// copy started later asks it to come forward and ends.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;
class QWidget;

namespace velmar {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString channel = userChannel(), QObject* parent = nullptr);

    static QString userChannel();  // "velmar-" + the user's name

    // When a copy already runs: asks it to come forward and returns true, and this copy ends. Otherwise
    // starts listening for later copies and returns false.
    bool handOverToRunningCopy();

    // Waits, ten seconds at most, until no copy answers on the channel: a new build that replaced the
    // program lets the old copy end before starting the program again.
    static void waitForRunningCopyToEnd(const QString& channel = userChannel());

signals:
    void comeForwardRequested();

private:
    bool askRunningCopy();
    void answer(QLocalSocket* socket);

    QString channel_;
    QLocalServer server_;
};

// Brings a window to the front: restored when minimised, raised and activated.
void BringForward(QWidget& window);

}  // namespace velmar
