// What a data folder holds, as python3-dbfread (an independent reader) reads its tables: one digest per
// folder over every table's live records, taken without regard to record order and leaving out the
// clock time of the action log (two runs of one command log different times) and the columns named in
// `ignored` (identifiers, where a run cut short may have handed some out unused).
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

namespace velmar::test {

// By folder: the digest, or "unreadable: <reason>" when a table does not read.
QMap<QString, QString> tableStates(const QStringList& dataFolders, const QStringList& ignored = {});

}  // namespace velmar::test
