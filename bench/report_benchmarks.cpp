// Filling the debts-list template with 20,000 records and saving it, against writing the same cells
// into a new workbook of the same formats from scratch.
#include "bench/benchmarks.h"

#include "bench/random.h"
#include "platform/document_opener.h"
#include "reports/template_exporter.h"
#include "xls/template_builder.h"
#include "xls/template_layouts.h"
#include "xls/template_stream.h"
#include "xls/workbook.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace velmar::bench {

namespace {

constexpr int kRecords = 20'000;
constexpr int kFirstDataRow = 7;

class NoOpener final : public DocumentOpener {
public:
    bool open(const QString&) override { return true; }
};

ReportDataset debts()
{
    Random random(11);
    ReportDataset data;
    for (const char* text : {"NUME", "CNP", "ROL"})
        data.columns.push_back({text, true});
    for (const char* number : {"DATAPEN", "CURENT", "RESTANTA", "PENTOTAL"})
        data.columns.push_back({number, false});
    for (int i = 0; i < kRecords; ++i) {
        data.rows.push_back({QStringLiteral("Popescu Ion %1").arg(i), QString::number(1800101000000 + i),
                             QStringLiteral("R%1").arg(i), double(random.between(36526, 46000)),
                             double(random.between(0, 5000)), double(random.between(0, 20000)),
                             double(random.between(0, 9000))});
    }
    return data;
}

void fillTemplate(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString templatePath = dir.filePath("Datorii.xls");
    QFile file(templatePath);
    file.open(QIODevice::WriteOnly);
    file.write(xls::BuildCarriedTemplate(xls::CarriedTemplate::Datorii));
    file.close();
    const ReportDataset data = debts();
    NoOpener opener;
    for (auto _ : state) {
        TemplateExporter exporter(opener);
        exporter.OpenTemplate(templatePath);
        exporter.ReplaceTag("#LADATA", "la data de 10.12.2026");
        exporter.FillBand(data);
        exporter.saveAs(dir.filePath("report.xls"));
    }
}

// The same cells (texts, numbers, dates, the row formulas and the totals) in a workbook that starts
// with the template's formats and no cells.
void writeFromScratch(benchmark::State& state)
{
    QTemporaryDir dir;
    const ReportDataset data = debts();
    const QByteArray blank = xls::TemplateStream(xls::carriedLayout(xls::CarriedTemplate::Datorii));
    const int text = xls::xfIndex(xls::CellLook::BandText);
    const int amount = xls::xfIndex(xls::CellLook::BandAmount);
    const int date = xls::xfIndex(xls::CellLook::BandDate);
    for (auto _ : state) {
        xls::Workbook book = xls::Workbook::fromStream(blank, "Datorii.xls");
        book.setText(3, 4, "la data de 10.12.2026", text);
        int row = kFirstDataRow;
        for (const QVariantList& record : data.rows) {
            book.setNumber(row, 1, row - kFirstDataRow + 1, text);
            for (int c = 0; c < 3; ++c)
                book.setText(row, 2 + c, record[c].toString(), text);
            book.setNumber(row, 5, record[3].toDouble(), date);
            for (int c = 4; c < 7; ++c)
                book.setNumber(row, 2 + c, record[c].toDouble(), amount);
            book.setFormula(row, 9, QStringLiteral("F%1+G%1+H%1").arg(row), amount);
            ++row;
        }
        for (const char column : {'F', 'G', 'H', 'I'})
            book.setFormula(row, column - 'A' + 1,
                            QStringLiteral("SUM(%1%2:%1%3)").arg(column).arg(kFirstDataRow).arg(row - 1), amount);
        book.save(dir.filePath("scratch.xls"));
    }
}

}  // namespace

void registerReportBenchmarks(BenchRegister&)
{
    benchmark::RegisterBenchmark("DebtsList20000/FillTemplate", fillTemplate)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DebtsList20000/FromScratch", writeFromScratch)->Unit(benchmark::kMillisecond);
}

}  // namespace velmar::bench
