// Case-blind lookup of table files.
#include "store/dbf/table_file.h"

#include <QDir>

namespace velmar {

QString findTableFile(const QString& folder, const QString& tableName)
{
    const QString wanted = tableName + QStringLiteral(".dbf");
    QDir dir(folder);
    // Try the usual spelling first: a listing of a big server folder costs more than one lookup.
    if (dir.exists(wanted))
        return dir.filePath(wanted);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return dir.filePath(name);
    return {};
}

QString tableFilePath(const QString& folder, const QString& tableName)
{
    const QString existing = findTableFile(folder, tableName);
    return existing.isEmpty() ? QDir(folder).filePath(tableName + QStringLiteral(".dbf")) : existing;
}

}  // namespace velmar
