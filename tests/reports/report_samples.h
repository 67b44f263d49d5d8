// Small report fixtures: the carried templates written into a test folder, and the records of a debts
// list and a payments slip (the debts are also data/datorii_rows.csv, for velmar-cli).
#pragma once

#include "reports/report_dataset.h"
#include "xls/template_builder.h"

#include <QString>

namespace velmar::test {

class TempFolder;

// Writes the template as folder/<fileName> and returns its path.
QString writeTemplate(const TempFolder& folder, xls::CarriedTemplate which, const QString& fileName);

// Three debts: amounts, a record with zero current debt and penalty, a name with Romanian letters.
ReportDataset debtRecords();
// Two payments.
ReportDataset paymentRecords();

}  // namespace velmar::test
