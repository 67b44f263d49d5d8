// Case-blind file lookup.
#include "store/file_lookup.h"

#include <QDir>

namespace velmar {

QString findFileAnyCase(const QString& folder, const QString& fileName)
{
    QDir dir(folder);
    // Try the usual spelling first: a listing of a big server folder costs more than one lookup.
    if (dir.exists(fileName))
        return dir.filePath(fileName);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return {};
}

QString pathAnyCase(const QString& folder, const QString& fileName)
{
    const QString existing = findFileAnyCase(folder, fileName);
    return existing.isEmpty() ? QDir(folder).filePath(fileName) : existing;
}

}  // namespace velmar
