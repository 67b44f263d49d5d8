// Test folders and file helpers.
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace velmar::test {

TempFolder::TempFolder() { EXPECT_TRUE(dir_.isValid()); }

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    f.write(bytes);
}

bool copyFolder(const QString& from, const QString& to)
{
    const QDir source(from);
    if (!QDir().mkpath(to))
        return false;
    for (const QFileInfo& entry :
         source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir() ? !copyFolder(entry.filePath(), target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

QString testBinary(const QString& name) { return QDir(QStringLiteral(VELMAR_TEST_BIN_DIR)).filePath(name); }

}  // namespace velmar::test
