// The calculation sheet of one contract with 25 installments and 60 payments on the bench register,
// computed and saved, against filling FisaCalcul.xls with the same rows read from a CSV file.
#include "bench/benchmarks.h"

#include "app/progress_counter.h"
#include "app/rate_tables.h"
#include "bench/rate_seeding.h"
#include "debt/calculation_sheet.h"
#include "platform/document_opener.h"
#include "reports/csv_dataset.h"
#include "reports/template_exporter.h"
#include "store/dates.h"
#include "store/sql/csv_format.h"
#include "xls/template_builder.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

constexpr int kInstallments = 25;
constexpr int kPayments = 60;
constexpr qint64 kIdcon = 900'000'001;  // past every generated contract
constexpr qint64 kFirstIdrata = 900'000'001;
constexpr qint64 kFirstIdchit = 900'000'001;

class NoOpener final : public DocumentOpener {
public:
    bool open(const QString&) override { return true; }
};

// The contract and its rows, added for the benchmark and removed after it, so that no other benchmark sees
// them. Installments from 15.03.2000, a payment every few months spread over one or two installments.
class SheetContract {
public:
    explicit SheetContract(Database& db) : db_(db)
    {
        const qint64 first = dayNumber(QDate(2000, 3, 15));
        db.execute(
            "INSERT INTO Contract (IDCON, NRCON, DATACON, NRRATE, ACTIV, NUME, RATA, MONEDA, DATARATA1, DATAPEN1, "
            "StopPen) VALUES (?, 7, ?, ?, 'DA', 'Popescu Ion', 1500, 'LEI', ?, ?, 99999)",
            {kIdcon, first, kInstallments, first, first + 31});
        std::vector<QVariantList> installments;
        for (int k = 0; k < kInstallments; ++k) {
            const qint64 imposed = dayNumber(AddMonths(QDate(2000, 3, 15), 12 * k));
            installments.push_back(
                {kIdcon, kFirstIdrata + k, k + 1, imposed, imposed + 31, imposed + 31, 1500, 1500 + 40 * k});
        }
        db.executeBatch(
            "INSERT INTO Rate (IDCON, IDRATA, NRRATA, DATARATA, DATAPEN, ULTIMA, RATAINI, RATACALC, ACHITAT, "
            "PENALREST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 0, 0)",
            installments);
        std::vector<QVariantList> payments;
        for (int p = 0; p < kPayments; ++p) {
            const qint64 day = dayNumber(AddMonths(QDate(2000, 5, 2), 5 * p));
            const qint64 idrata = kFirstIdrata + std::min(p / 2, kInstallments - 1);
            payments.push_back({kFirstIdchit + p, kIdcon, idrata, "Chitanta", day, p + 1, 600, 25});
            if (p % 3 == 0)
                payments.push_back({kFirstIdchit + p, kIdcon, idrata + 1, "Chitanta", day, p + 1, 200, 5});
        }
        db.executeBatch("INSERT INTO Chitante (IDCHIT, IDCON, IDRATA, DOCJUS, DATACHIT, NRCHIT, SUMA, PENAL) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                        payments);
    }
    ~SheetContract()
    {
        for (const char* table : {"Chitante", "Rate", "Contract"})
            db_.execute(QStringLiteral("DELETE FROM %1 WHERE IDCON = ?").arg(QLatin1String(table)), {kIdcon});
    }

private:
    Database& db_;
};

// TEMP (work tables, reports) and the data folder's template, in a folder of the benchmark's own.
class SheetFolders {
public:
    SheetFolders()
    {
        qputenv("VELMAR_SYSTEM_DIR", dir_.path().toUtf8());
        QFile file(templatePath());
        file.open(QIODevice::WriteOnly);
        file.write(xls::BuildCarriedTemplate(xls::CarriedTemplate::FisaCalcul));
    }
    ~SheetFolders() { qunsetenv("VELMAR_SYSTEM_DIR"); }
    QString templatePath() const { return dir_.filePath("FisaCalcul.xls"); }
    QString report() const { return dir_.filePath("Rap0.xls"); }

private:
    QTemporaryDir dir_;
};

const qint64 kToday = dayNumber(QDate(2026, 12, 10));

CalculationSheet buildSheet(BenchRegister& reg, RateTables& rates)
{
    SilentProgressCounter counter;
    ProgressScope progress(counter, QString());
    return BuildCalculationSheet(reg.velmar(), rates, kIdcon, kToday, progress);
}

// The ledger with its raw values (dates as day numbers), as `velmar-cli template fill --rows` takes it.
QByteArray ledgerCsv(const ReportDataset& ledger)
{
    QStringList lines;
    QStringList header;
    for (const ReportColumn& column : ledger.columns)
        header << column.name;
    lines << header.join(u',');
    for (const QVariantList& row : ledger.rows) {
        QStringList fields;
        for (const QVariant& value : row)
            fields << csvField(value);
        lines << fields.join(u',');
    }
    return (lines.join(u'\n') + u'\n').toUtf8();
}

void computedAndSaved(benchmark::State& state, BenchRegister& reg)
{
    seedRateTables(reg);
    const SheetFolders folders;
    const SheetContract contract(reg.velmar());
    RateTables rates;
    NoOpener opener;
    for (auto _ : state) {
        TemplateExporter exporter(opener);
        const CalculationSheet sheet = buildSheet(reg, rates);
        FillCalculationSheet(exporter, folders.templatePath(), sheet);
        exporter.saveAs(folders.report());
        state.counters["rows"] = double(sheet.ledger.rows.size());
    }
}

void templateFillingAlone(benchmark::State& state, BenchRegister& reg)
{
    seedRateTables(reg);
    const SheetFolders folders;
    CalculationSheet sheet;
    {
        const SheetContract contract(reg.velmar());
        RateTables rates;
        sheet = buildSheet(reg, rates);
    }
    const QByteArray csv = ledgerCsv(sheet.ledger);
    NoOpener opener;
    for (auto _ : state) {
        TemplateExporter exporter(opener);
        const ReportDataset rows = ReadCsvDataset(csv, "fisa.csv");
        exporter.OpenTemplate(folders.templatePath());
        for (const auto& [tag, text] : sheet.tags)
            exporter.ReplaceTag(tag, text);
        exporter.setBlankZeros(true);
        exporter.FillBand(rows);
        exporter.saveAs(folders.report());
        state.counters["rows"] = double(rows.rows.size());
    }
}

}  // namespace

void registerSheetBenchmarks(BenchRegister& reg)
{
    benchmark::RegisterBenchmark("CalculationSheet25x60/ComputedAndSaved", computedAndSaved, std::ref(reg))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("CalculationSheet25x60/TemplateFillingAlone", templateFillingAlone, std::ref(reg))
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

}  // namespace velmar::bench
