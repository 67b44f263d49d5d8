// Runs velmar-cli as a user would, on a program folder of the test's own.
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace velmar::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class CliRunner {
public:
    explicit CliRunner(QString programFolder, QString today = QStringLiteral("10.12.2026"));
    CliRun run(const QStringList& args) const;
    // A variable every later run gets besides the program's own (LD_PRELOAD, a fault to inject...).
    void setEnvironment(const QString& name, const QString& value) { extra_.insert(name, value); }
    void clearEnvironment() { extra_.clear(); }
    CliRun run(const QStringList& args, const QByteArray& input) const;  // `input` on its standard input
    const QString& home() const { return home_; }

private:
    QString home_;
    QString today_;
    QMap<QString, QString> extra_;
};

}  // namespace velmar::test
