// "Fisa de calcul": one contract's whole history as a ledger - its events collected into a work table,
// walked into a second one, and exported through the template FisaCalcul.xls. Nothing in the contract's
// tables changes.
#pragma once

#include "reports/report_dataset.h"

#include <QString>
#include <utility>
#include <vector>

namespace velmar {

class AppContext;
class Database;
class ProgressCounter;
class ProgressScope;
class RateTables;
class TemplateExporter;

struct CalculationSheet {
    std::vector<std::pair<QString, QString>> tags;  // header tag, its text
    // DATASTAB, EXPLIC, ADDCUR, PLATACUR, SOLDCUR, ADDPEN, PLATAPEN, SOLDPEN, NRZILE, NRLUNI in the
    // exported order: by date, rows of one date as the walk wrote them. A value the sheet leaves empty is null.
    ReportDataset ledger;
};

// The sheet of contract `idcon` at `today` (a day number). Loads both rate tables; sets the progress maximum
// to the number of events and steps once per event walked. The work tables TmpFC<n>.dbf and FisCal<n>.dbf
// in TEMP are gone when it returns or throws. StoreError for an unknown contract.
CalculationSheet BuildCalculationSheet(Database& db, RateTables& rates, qint64 idcon, qint64 today,
                                       ProgressScope& progress);

// Opens the template, replaces its header tags and fills its band with zeros left empty; the workbook stays
// open in `exporter`. StoreError when the template is missing.
void FillCalculationSheet(TemplateExporter& exporter, const QString& templatePath, const CalculationSheet& sheet);

// FisaCalcul.xls in the data folder (OpenTemplate finds it in any letter case).
QString calculationSheetTemplate(const QString& dataFolder);

// The command of the contract list: the sheet at today's date under the progress counter ("Calculez
// Contractul..."), saved as the next TEMP/RapN.xls and shown.
void ShowCalculationSheet(AppContext& app, ProgressCounter& counter, TemplateExporter& exporter, qint64 idcon);

}  // namespace velmar
