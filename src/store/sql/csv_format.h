// Selections as CSV text: a header line of column names, "." decimals, no thousands separator, whole
// numbers without decimals, texts as stored (quoted only when they hold a comma, quote or line break).
#pragma once

#include "store/sql/database.h"

namespace velmar {

QString csvField(const QVariant& value);
QString toCsv(const QueryResult& result);

}  // namespace velmar
