// Copies the permanent tables of a data folder into a native SQLite database, row for row.
#pragma once

#include "bench/native_db.h"

#include <QString>

namespace velmar::bench {

// Ordinary tables without indexes (the dBase files have none either), holding the values as the
// dBase files hold them. Tables whose file is missing are left out.
void copyTablesToNative(const QString& dataFolder, NativeDb& target);

}  // namespace velmar::bench
