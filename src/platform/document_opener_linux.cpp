// Opening documents with xdg-open; LibreOffice's lock files.
#include "platform/document_opener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace velmar {

bool SystemDocumentOpener::open(const QString& path)
{
    return QProcess::startDetached(QStringLiteral("xdg-open"), {path});
}

bool isOpenInAnotherProgram(const QString& path)
{
    const QFileInfo file(path);
    return QFileInfo::exists(file.dir().filePath(QStringLiteral(".~lock.") + file.fileName() + u'#'));
}

bool clearForNewFile(const QString& path)
{
    return !QFileInfo::exists(path) || (!isOpenInAnotherProgram(path) && QFile::remove(path));
}

}  // namespace velmar
