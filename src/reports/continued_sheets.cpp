#include "reports/continued_sheets.h"

#include "reports/report_texts.h"
#include "xls/workbook.h"

#include <map>

namespace velmar {

namespace {

constexpr int kSheetRows = 65536;

QString pageName(const QString& base, int page, int pages)
{
    const QString suffix = QStringLiteral(" %1 din %2").arg(page).arg(pages);
    return base.left(xls::Workbook::kMaxSheetNameLength - int(suffix.size())).trimmed() + suffix;
}

}  // namespace

std::vector<int> SheetShares(const xls::Workbook& book, int records)
{
    // The band row is still there while its copies go in: it counts among the rows used.
    const int room = kSheetRows - book.rowCount();
    if (records <= room || room <= 1)
        return {records};
    const int perSheet = room - 1;
    std::vector<int> shares;
    for (int left = records; left > 0; left -= perSheet)
        shares.push_back(std::min(left, perSheet));
    return shares;
}

std::vector<int> AddContinuationSheets(xls::Workbook& book, int count)
{
    const int first = book.activeSheet();
    std::vector<int> sheets{first};
    if (count <= 1)
        return sheets;
    const QString base = book.sheetName(first);
    for (int page = 2; page <= count; ++page)
        sheets.push_back(book.appendSheetCopy(first, pageName(base, page, count)));
    book.renameSheet(first, pageName(base, 1, count));
    return sheets;
}

void AddGeneralTotal(xls::Workbook& book, const std::vector<int>& sheets, const std::vector<int>& totalRows)
{
    const int active = book.activeSheet();
    book.recalculate();
    std::map<int, double> sums;  // by column, where the totals row holds a formula
    for (size_t i = 0; i < sheets.size(); ++i) {
        book.selectSheet(sheets[i]);
        for (int column = 1; column <= book.columnCount(); ++column)
            if (book.isFormula(totalRows[i], column))
                sums[column] += book.cell(totalRows[i], column).number;
    }
    if (!sums.empty()) {
        const int row = totalRows.back();
        book.insertCopiedRows(row, row, row + 1, 1);
        for (int column = 1; column <= book.columnCount(); ++column) {
            if (const auto sum = sums.find(column); sum != sums.end())
                book.setNumber(row + 1, column, sum->second);
            else if (book.cellText(row + 1, column).trimmed().compare(report_texts::kTotal, Qt::CaseInsensitive) == 0)
                book.setText(row + 1, column, report_texts::kGeneralTotal);
        }
    }
    book.selectSheet(active);
}

}  // namespace velmar
