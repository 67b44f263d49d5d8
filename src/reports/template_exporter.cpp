// Filling report templates.
#include "reports/template_exporter.h"

#include "platform/document_opener.h"
#include "reports/continued_sheets.h"
#include "reports/report_texts.h"
#include "store/file_lookup.h"
#include "store/folders.h"
#include "store/store_error.h"

#include <QDir>
#include <QFileInfo>

namespace velmar {

namespace {

using BandCell = TemplateExporter::BandCell;

QString upperTrimmedText(const xls::Workbook& book, int row, int column)
{
    return book.cellText(row, column).trimmed().toUpper();
}

// The last row holding a "#DBF" cell, with the first such cell of every row emptied; 0 when none.
int takeBandRow(xls::Workbook& book)
{
    int band = 0;
    for (int row = 1; row <= book.rowCount(); ++row)
        for (int column = 1; column <= book.columnCount(); ++column)
            if (upperTrimmedText(book, row, column) == u"#DBF") {
                book.setText(row, column, QString());
                band = row;
                break;
            }
    return band;
}

std::vector<BandCell> bandCells(const xls::Workbook& book, int band, const ReportDataset& dataset)
{
    std::vector<BandCell> cells;
    for (int column = 1; column <= book.columnCount(); ++column) {
        const QString text = upperTrimmedText(book, band, column);
        if (text == u"%NRCRT") {
            cells.push_back({column, -1});
            continue;
        }
        for (size_t i = 0; i < dataset.columns.size(); ++i)
            if (text == u'#' + dataset.columns[i].name.toUpper()) {
                cells.push_back({column, int(i)});
                break;
            }
    }
    return cells;
}

void writeValue(xls::Workbook& book, int row, int column, bool isText, const QVariant& value, bool blankZeros)
{
    if (isText)
        book.setText(row, column, value.toString());
    else if (value.toDouble() == 0 && blankZeros)
        book.setText(row, column, QString());
    else
        book.setNumber(row, column, value.toDouble());
}

}  // namespace

TemplateExporter::TemplateExporter(DocumentOpener& opener) : opener_(opener) {}

bool TemplateExporter::OpenTemplate(const QString& path)
{
    book_.reset();
    blankZeros_ = false;
    const QFileInfo file(path);
    const QString found = findFileAnyCase(file.absolutePath(), file.fileName());
    missingTemplate_ = found.isEmpty() ? path : QString();
    if (found.isEmpty())
        return false;
    book_ = xls::Workbook::open(found);
    book_->selectSheet(1);
    return true;
}

void TemplateExporter::ReplaceTag(const QString& tag, const QString& text)
{
    xls::Workbook& book = openBook();
    for (int row = 1; row <= book.rowCount(); ++row)
        for (int column = 1; column <= book.columnCount(); ++column)
            if (book.cellText(row, column).trimmed().compare(tag, Qt::CaseInsensitive) == 0)
                book.setText(row, column, text);
}

// All copies of the band go in at once, then their cells are written: the same sheet as inserting one
// copy per record, in time linear in the records. More records than a sheet holds go on over copies of
// the sheet, numbered on from one sheet to the next.
void TemplateExporter::FillBand(const ReportDataset& dataset)
{
    xls::Workbook& book = openBook();
    const int band = takeBandRow(book);
    if (band == 0)
        return;
    const std::vector<BandCell> cells = bandCells(book, band, dataset);
    const std::vector<int> shares = SheetShares(book, int(dataset.rows.size()));
    const std::vector<int> sheets = AddContinuationSheets(book, int(shares.size()));
    std::vector<int> rowsAfterBand;
    int first = 0;
    for (size_t page = 0; page < sheets.size(); ++page) {
        book.selectSheet(sheets[page]);
        fillSheet(book, band, cells, dataset, first, shares[page]);
        first += shares[page];
        rowsAfterBand.push_back(band + shares[page]);
    }
    if (sheets.size() > 1)
        AddGeneralTotal(book, sheets, rowsAfterBand);
    book.selectSheet(sheets.front());
}

void TemplateExporter::fillSheet(xls::Workbook& book, int band, const std::vector<BandCell>& cells,
                                 const ReportDataset& dataset, int first, int count) const
{
    if (count > 0)
        book.insertCopiedRows(band, band, band, count);
    for (int i = 0; i < count; ++i) {
        const int row = band + i;
        const int record = first + i;
        const QVariantList& values = dataset.rows[size_t(record)];
        for (const BandCell& cell : cells) {
            if (cell.datasetColumn < 0) {
                book.setNumber(row, cell.column, record + 1);
                continue;
            }
            const ReportColumn& column = dataset.columns[size_t(cell.datasetColumn)];
            writeValue(book, row, cell.column, column.isText, values.value(cell.datasetColumn), blankZeros_);
        }
    }
    book.deleteRows(band + count, 1);
}

void TemplateExporter::SaveAndShow()
{
    if (!book_)
        return;
    QDir().mkpath(tempFolder());
    const QString path = NextReportFileName(tempFolder());
    if (path.isEmpty()) {
        book_.reset();
        return;
    }
    saveAs(path);
    if (!opener_.open(path))
        throw StoreError(report_texts::cannotShow(path));
}

void TemplateExporter::saveAs(const QString& path)
{
    // Closed whatever happens: a report that cannot be saved is not produced.
    xls::Workbook book = std::move(openBook());
    book_.reset();
    book.save(path);
    lastReport_ = path;
}

xls::Workbook& TemplateExporter::openBook()
{
    if (!book_)
        throw StoreError(missingTemplate_.isEmpty() ? report_texts::noTemplateOpen()
                                                    : report_texts::templateMissing(missingTemplate_));
    return *book_;
}

void OpenReportTemplate(TemplateExporter& exporter, const QString& path)
{
    if (!exporter.OpenTemplate(path))
        throw StoreError(report_texts::templateMissing(path));
}

QString NextReportFileName(const QString& folder)
{
    const QDir dir(folder);
    for (int n = 0; n <= 100; ++n) {
        const QString candidate = dir.filePath(QStringLiteral("Rap%1.xls").arg(n));
        if (clearForNewFile(candidate))
            return candidate;
    }
    return {};
}

}  // namespace velmar
