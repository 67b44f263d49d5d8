// The calculation sheet's ledger as CSV text, cell for cell as the filled sheet shows it: the command-line
// tool prints it and the tests compare with it.
#pragma once

#include "reports/report_dataset.h"

namespace velmar {

// A header line of the column names, then one line per row: dates as dd.MM.yyyy, zeros and empty values
// empty, texts quoted only when they hold a comma, a quote or a line break.
QString SheetCsv(const ReportDataset& ledger);

}  // namespace velmar
