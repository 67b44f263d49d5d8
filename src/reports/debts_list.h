// The debts list ("Lista Datorii"): every installment of every contract with principal still owed today,
// split into current (imposed, not yet due) and overdue amounts, with the penalty owed today, filled into
// the data folder's Datorii.xls.
#pragma once

#include "reports/report_dataset.h"

#include <QDate>

namespace velmar {

class Database;
class ProgressCounter;
class RateTables;
class TemplateExporter;

// Loads the penalty rates, computes every penalty in one pass over the open installments (one counter step
// each, under "Calculez restantele..."), writes them in one go to the work table Datorii<n>.dbf in TEMP and
// reads it back ordered by NUME, CNP, DATAPEN; the work table is gone when this returns or throws. The
// band's columns in the template's order: NUME, CNP, ROL, DATAPEN (day number), CURENT, RESTANTA, PENTOTAL.
ReportDataset ComputeDebts(Database& db, RateTables& rates, ProgressCounter& counter, QDate today);

// Opens dataFolder/Datorii.xls; a missing template is refused (StoreError).
void OpenDebtsList(TemplateExporter& exporter, const QString& dataFolder);
// Writes the date into "#LADATA" and fills the band of the open Datorii.xls; the caller saves the report.
void FillDebtsList(TemplateExporter& exporter, QDate today, const ReportDataset& rows);

// The whole report: dataFolder/Datorii.xls opened first (a missing one stops it before any computing), the
// debts at today's date, the report saved as the next TEMP/RapN.xls and shown.
void DebtsList(Database& db, RateTables& rates, ProgressCounter& counter, TemplateExporter& exporter,
               const QString& dataFolder, QDate today);

}  // namespace velmar
