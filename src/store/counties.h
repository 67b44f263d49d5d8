// The county list: the stored JUDET setting and the contracts' JUD column hold an index into it.
#pragma once

#include <QStringList>

namespace velmar {

// ALBA = 0 ... BUCURESTI = 41, in the order the indexes were handed out.
const QStringList& counties();
// The county of an index; empty when the index is outside the list.
QString countyName(qint64 index);

}  // namespace velmar
