// The workbook export.
#include "export/xls_writer.h"

#include "export/export_texts.h"
#include "store/dates.h"
#include "store/store_error.h"
#include "xls/formula_tokens.h"
#include "xls/template_stream.h"
#include "xls/workbook.h"

namespace velmar {

namespace {

using xls::CellLook;

constexpr int kBandRow = 4, kTitleRow = 5;
constexpr int kMostRows = xls::kMaxRow + 1 - kXlsHeadingRows;
constexpr qsizetype kLongestSheetName = 31;
constexpr bool kLandscape = true;  // a grid is wider than tall

// A sheet name Excel accepts: at most 31 characters, none of : \ / ? * [ ].
QString sheetName(const QString& heading)
{
    QString name = heading;
    for (const QChar c : QStringLiteral(":\\/?*[]"))
        name.replace(c, u' ');
    name = name.simplified().left(kLongestSheetName);
    return name.isEmpty() ? QStringLiteral("Grila") : name;
}

int textLook(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return xls::xfIndex(CellLook::GridTextRight);
    if (alignment & Qt::AlignHCenter)
        return xls::xfIndex(CellLook::GridTextCentred);
    return xls::xfIndex(CellLook::BandExplanation);
}

struct ColumnLooks {
    int text, number, date;
};

std::vector<ColumnLooks> columnLooks(const ShownTable& table)
{
    std::vector<ColumnLooks> looks;
    for (const ShownColumn& column : table.columns)
        looks.push_back(
            {textLook(column.alignment),
             xls::xfIndex(column.emphasis == Emphasis::BoldRed ? CellLook::GridNumberRed : CellLook::GridNumber),
             xls::xfIndex(CellLook::BandDate)});
    return looks;
}

void putHeadings(xls::Workbook& book, const ShownTable& table)
{
    book.setText(1, 1, table.heading, xls::xfIndex(CellLook::Title));
    book.setText(2, 1, export_texts::createdLine(formatDate(table.created)), xls::xfIndex(CellLook::Plain));
    const int heading = xls::xfIndex(CellLook::GridHeading);
    const std::vector<QString> bandRow = table.bandRow();
    for (int c = 0; c < int(table.columns.size()); ++c) {
        book.setText(kBandRow, c + 1, bandRow[size_t(c)], heading);
        book.setText(kTitleRow, c + 1, table.columns[size_t(c)].title, heading);
    }
    for (const GridBand& band : table.bands())
        if (band.last > band.first)
            book.mergeCells(kBandRow, kBandRow, band.first + 1, band.last + 1);
}

}  // namespace

QByteArray xlsWorkbook(const ShownTable& table)
{
    if (qsizetype(table.rows.size()) > kMostRows)
        throw StoreError(export_texts::tooManyRows(qsizetype(table.rows.size()), kMostRows));
    std::vector<double> widths;
    for (const ShownColumn& column : table.columns)
        widths.push_back(column.widthChars);
    const QString name = sheetName(table.heading);
    xls::Workbook book = xls::Workbook::fromStream(
        xls::FormattedSheetStream(name, widths, kBandRow, kTitleRow, kLandscape), name + QStringLiteral(".xls"));
    book.writeTextsAsTheyCome(qsizetype((table.rows.size() + kXlsHeadingRows) * table.columns.size()));
    putHeadings(book, table);
    const std::vector<ColumnLooks> looks = columnLooks(table);
    int r = kXlsHeadingRows;
    for (const std::vector<ShownCell>& row : table.rows) {
        ++r;
        for (size_t c = 0; c < row.size(); ++c) {
            const ShownCell& cell = row[c];
            const int column = int(c) + 1;
            switch (cell.kind) {
            case ValueKind::Number:
                book.setNumber(r, column, cell.value, looks[c].number);
                break;
            case ValueKind::Date:
                book.setNumber(r, column, cell.value, looks[c].date);
                break;
            case ValueKind::Text:
                book.setText(r, column, cell.text, looks[c].text);
                break;
            }
        }
    }
    return book.toFileBytes();
}

}  // namespace velmar
