// Every spreadsheet report is a filled template: open it, replace the header tags by texts, repeat the
// band row (the row marked "#DBF") once per record, then save it under a free report name and show it.
#pragma once

#include "reports/report_dataset.h"
#include "xls/workbook.h"

#include <QString>
#include <optional>
#include <vector>

namespace velmar {

class DocumentOpener;

class TemplateExporter {
public:
    explicit TemplateExporter(DocumentOpener& opener);

    // False, with nothing open, when no file has that name (in any letter case). Closes the report still
    // open, if any; engine errors (not a workbook, damaged) are thrown as StoreError.
    bool OpenTemplate(const QString& path);
    // Writes `text` into every cell whose trimmed text equals `tag`, letter case aside.
    void ReplaceTag(const QString& tag, const QString& text);
    // One copy of the band row per record, in order: "%NRCRT" gets the record's number from 1, "#COLUMN"
    // the record's value; the band row itself is removed. Nothing happens without a "#DBF" cell. Records
    // beyond what the sheet holds go on over further sheets (see continued_sheets.h).
    void FillBand(const ReportDataset& dataset);
    // Numeric values equal to 0 are written as empty cells while set; OpenTemplate clears it.
    void setBlankZeros(bool blank) { blankZeros_ = blank; }
    bool blankZeros() const { return blankZeros_; }

    // Saves the report as the first free TEMP/RapN.xls, closes it and shows it; with no free name it is
    // closed unsaved. Does nothing when no report is open.
    void SaveAndShow();
    // Saves the report at `path` and closes it, showing nothing.
    void saveAs(const QString& path);

    bool isOpen() const { return book_.has_value(); }
    const QString& lastReport() const { return lastReport_; }

    // What a band cell receives in each copy: the record's number or a column's value.
    struct BandCell {
        int column;
        int datasetColumn;  // -1: the record's number
    };

private:
    xls::Workbook& openBook();
    void fillSheet(xls::Workbook& book, int band, const std::vector<BandCell>& cells, const ReportDataset& dataset,
                   int first, int count) const;

    DocumentOpener& opener_;
    std::optional<xls::Workbook> book_;
    QString missingTemplate_;  // the path of the last OpenTemplate that found no file
    bool blankZeros_ = false;
    QString lastReport_;
};

// OpenTemplate for a report that cannot go on without its template: a missing one is refused (StoreError).
void OpenReportTemplate(TemplateExporter& exporter, const QString& path);

// The first of folder/Rap0.xls .. Rap100.xls that does not exist, or that exists, is not held open by
// another program and could be deleted. Empty when all are in use.
QString NextReportFileName(const QString& folder);

}  // namespace velmar
