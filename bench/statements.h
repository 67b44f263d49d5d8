// The statements the benchmarks time, one text for both engines, and rows turned into parameters.
#pragma once

#include "store/dbf/dbf_value.h"
#include "store/table_schema.h"

#include <QString>
#include <QVariantList>
#include <vector>

namespace velmar::bench {

// The contract list: every contract with its outstanding amount, by holder.
QString contractListQuery();
// Two parameters: the amount added to ACHITAT, the IDRATA of the row.
QString rateUpdate();
// INSERT of one row, every column of the table as a bound parameter, in the description's order.
QString insertStatement(const TableDef& table);
// CREATE TABLE with the description's column names and declared types.
QString createTableStatement(const TableDef& table);

QVariantList parametersOf(const std::vector<Cell>& row);

}  // namespace velmar::bench
