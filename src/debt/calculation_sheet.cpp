// The calculation sheet: its two work tables, its heading texts and its export.
#include "debt/calculation_sheet.h"

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "debt/debt_texts.h"
#include "debt/sheet_events.h"
#include "debt/sheet_terms.h"
#include "debt/sheet_walk.h"
#include "reports/report_texts.h"
#include "reports/template_exporter.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/sql/database.h"
#include "store/sql/work_table.h"
#include "store/store_error.h"

#include <QDir>

namespace velmar {

namespace {

const QString kEventPrefix = QStringLiteral("TmpFC");
const QString kLedgerPrefix = QStringLiteral("FisCal");
const QString kTemplateName = QStringLiteral("FisaCalcul.xls");

Cell amountCell(const std::optional<qint64>& value) { return value ? Cell{std::int64_t(*value)} : Cell{}; }

std::vector<std::vector<Cell>> ledgerCells(const std::vector<LedgerRow>& ledger)
{
    std::vector<std::vector<Cell>> rows;
    rows.reserve(ledger.size());
    for (const LedgerRow& r : ledger)
        rows.push_back({Cell{}, std::int64_t(r.day), r.text.toStdString(), amountCell(r.addcur), amountCell(r.platacur),
                        amountCell(r.soldcur), amountCell(r.addpen), amountCell(r.platapen), amountCell(r.soldpen),
                        amountCell(r.nrzile), amountCell(r.nrluni)});
    return rows;
}

// The ledger as the band takes it, read back from its table in date order, ties in the order written.
ReportDataset readLedger(Database& db, const WorkTable& table)
{
    ReportDataset dataset;
    QStringList names;
    for (const DbfField& field : table.fields()) {
        if (field.name == u"TIP")
            continue;  // the ledger leaves it empty
        dataset.columns.push_back({field.name, field.type == 'C'});
        names << field.name;
    }
    QueryResult rows =
        db.select(QStringLiteral("SELECT %1 FROM %2 ORDER BY DATASTAB, rowid").arg(names.join(u", "), table.sqlName()));
    dataset.rows = std::move(rows.rows);
    return dataset;
}

std::vector<std::pair<QString, QString>> headingTags(const SheetTerms& terms, qint64 today)
{
    QString date = debt_texts::sheetDate(DayToText(double(today)));
    if (terms.stopPen < kNoStopDay)
        date += debt_texts::penaltiesStopped(DayToText(double(terms.stopPen)));
    return {{QStringLiteral("#LADATA"), date},
            {QStringLiteral("#RATA"), QString::number(double(terms.rata), 'f', 2)},
            {QStringLiteral("#MONEDA"), terms.moneda},
            {QStringLiteral("#NUME"), debt_texts::sheetHolder(terms.nume)},
            {QStringLiteral("#CONTRACT"), debt_texts::sheetContract(terms.nrcon, DayToText(double(terms.datacon)))}};
}

}  // namespace

CalculationSheet BuildCalculationSheet(Database& db, RateTables& rates, qint64 idcon, qint64 today,
                                       ProgressScope& progress)
{
    const SheetTerms terms = LoadSheetTerms(db, idcon);
    rates.LoadPenaltyRates(db);
    rates.LoadInflationRates(db);
    std::vector<SheetEvent> events;
    {
        WorkTable eventTable(db, kEventPrefix, sheetTableFields());
        events = CollectSheetEvents(db, rates, terms, today, eventTable);
    }
    progress.setMaximum(int(events.size()));
    WorkTable ledgerTable(db, kLedgerPrefix, sheetTableFields());
    ledgerTable.store(ledgerCells(WalkSheet(events, rates, terms, today, progress)));
    return {headingTags(terms, today), readLedger(db, ledgerTable)};
}

void FillCalculationSheet(TemplateExporter& exporter, const QString& templatePath, const CalculationSheet& sheet)
{
    if (!exporter.OpenTemplate(templatePath))
        throw StoreError(report_texts::templateMissing(templatePath));
    for (const auto& [tag, text] : sheet.tags)
        exporter.ReplaceTag(tag, text);
    exporter.setBlankZeros(true);
    exporter.FillBand(sheet.ledger);
}

QString calculationSheetTemplate(const QString& dataFolder) { return QDir(dataFolder).filePath(kTemplateName); }

void ShowCalculationSheet(AppContext& app, ProgressCounter& counter, TemplateExporter& exporter, qint64 idcon)
{
    {
        ProgressScope progress(counter, debt_texts::kSheetCaption);
        const CalculationSheet sheet =
            BuildCalculationSheet(app.db(), app.rates(), idcon, dayNumber(velmar::today()), progress);
        FillCalculationSheet(exporter, calculationSheetTemplate(app.dataFolder()), sheet);
    }
    exporter.SaveAndShow();
}

}  // namespace velmar
