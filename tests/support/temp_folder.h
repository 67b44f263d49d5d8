// A fresh folder per test, removed afterwards, and small file helpers for tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace velmar::test {

class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

QByteArray readBytes(const QString& path);
void writeBytes(const QString& path, const QByteArray& bytes);
QString testBinary(const QString& name);
// Copies the folder's files and subfolders into `to` (created when missing); false when one fails.
bool copyFolder(const QString& from, const QString& to);  // a program built beside the tests

}  // namespace velmar::test
