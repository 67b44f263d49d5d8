// Finding a file in a folder without regard to letter case: folders copied from Windows machines hold
// "CONTRACT.DBF", "vlmr.SET" and the like.
#pragma once

#include <QString>

namespace velmar {

// The path of the existing file `fileName` in any letter case, or an empty text.
QString findFileAnyCase(const QString& folder, const QString& fileName);
// The existing file, or the path a new one gets under `fileName` as spelled.
QString pathAnyCase(const QString& folder, const QString& fileName);

}  // namespace velmar
