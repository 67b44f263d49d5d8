// Finding a table's file in a folder without regard to letter case ("CONTRACT.DBF" is the Contract table).
#pragma once

#include <QString>

namespace velmar {

// The path of the existing file `tableName`.dbf in any letter case, or an empty text.
QString findTableFile(const QString& folder, const QString& tableName);
// The existing file, or the path a new one gets ("Name.dbf").
QString tableFilePath(const QString& folder, const QString& tableName);

}  // namespace velmar
