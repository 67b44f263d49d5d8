// DIF and SYLK exports. Both put the heading, the "Creat la" line, the band row and the titles above the rows,
// as the other formats do.
#include "export/interchange_writers.h"

#include "export/export_texts.h"
#include "store/codepage.h"
#include "store/dates.h"
#include "store/rounding.h"

#include <cmath>

namespace velmar {

namespace {

// The cells above the table's rows: heading, date line, band row (when there are bands), titles.
std::vector<std::vector<QString>> headingRows(const ShownTable& table)
{
    std::vector<std::vector<QString>> rows;
    if (!table.heading.isEmpty())
        rows.push_back({table.heading});
    rows.push_back({export_texts::createdLine(formatDate(table.created))});
    if (!table.bands().empty())
        rows.push_back(table.bandRow());
    std::vector<QString> titles;
    for (const ShownColumn& column : table.columns)
        titles.push_back(column.title);
    rows.push_back(titles);
    return rows;
}

QString singleLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void difString(QByteArray& out, const QString& text)
{
    QByteArray value = encodeText(CodePage::Windows1250, singleLine(text));
    value.replace('"', "\"\"");
    out += "1,0\r\n\"" + value + "\"\r\n";
}

void difNumber(QByteArray& out, double value) { out += "0," + formatNumber(value).toLatin1() + "\r\nV\r\n"; }

void difHeader(QByteArray& out, const char* name, qsizetype count, const QByteArray& text)
{
    out += QByteArray(name) + "\r\n0," + QByteArray::number(count) + "\r\n\"" + text + "\"\r\n";
}

QByteArray sylkString(const QString& text)
{
    QByteArray value = singleLine(text).toUtf8();
    value.replace(';', ";;");
    return "K\"" + value + '"';
}

// Picture (number format) records, referred to by their 0-based position.
enum SylkPicture { GeneralPicture, DatePicture, TextPicture };

}  // namespace

QByteArray difDocument(const ShownTable& table)
{
    const std::vector<std::vector<QString>> heading = headingRows(table);
    const qsizetype columns = qsizetype(table.columns.size());
    QByteArray out;
    difHeader(out, "TABLE", 1, "EXCEL");
    difHeader(out, "VECTORS", columns, {});
    difHeader(out, "TUPLES", qsizetype(heading.size() + table.rows.size()), {});
    difHeader(out, "DATA", 0, {});
    for (const std::vector<QString>& row : heading) {
        out += "-1,0\r\nBOT\r\n";
        for (qsizetype c = 0; c < columns; ++c)
            difString(out, c < qsizetype(row.size()) ? row[size_t(c)] : QString());
    }
    for (const std::vector<ShownCell>& row : table.rows) {
        out += "-1,0\r\nBOT\r\n";
        for (const ShownCell& cell : row) {
            if (cell.kind == ValueKind::Number)
                difNumber(out, cell.value);
            else
                difString(out, cell.text);
        }
    }
    out += "-1,0\r\nEOD\r\n";
    return out;
}

QByteArray sylkDocument(const ShownTable& table)
{
    const std::vector<std::vector<QString>> heading = headingRows(table);
    QByteArray out = "ID;PVELMAR;N;E\r\nP;PGeneral\r\nP;Pdd\\.mm\\.yyyy\r\nP;P@\r\n";
    for (size_t c = 0; c < table.columns.size(); ++c) {
        const QByteArray column = QByteArray::number(qsizetype(c) + 1);
        out +=
            "F;W" + column + ' ' + column + ' ' + QByteArray::number(std::lround(table.columns[c].widthChars)) + "\r\n";
    }
    out += "B;Y" + QByteArray::number(qsizetype(heading.size() + table.rows.size())) + ";X" +
        QByteArray::number(qsizetype(table.columns.size())) + "\r\n";
    int y = 0;
    for (const std::vector<QString>& row : heading) {
        ++y;
        for (size_t c = 0; c < row.size(); ++c)
            if (!row[c].isEmpty())
                out += "C;Y" + QByteArray::number(y) + ";X" + QByteArray::number(qsizetype(c) + 1) + ';' +
                    sylkString(row[c]) + "\r\n";
    }
    for (const std::vector<ShownCell>& row : table.rows) {
        const QByteArray yText = QByteArray::number(++y);
        for (size_t c = 0; c < row.size(); ++c) {
            const ShownCell& cell = row[c];
            const QByteArray at = ";Y" + yText + ";X" + QByteArray::number(qsizetype(c) + 1);
            const SylkPicture picture = cell.kind == ValueKind::Date
                ? DatePicture
                : (cell.kind == ValueKind::Number ? GeneralPicture : TextPicture);
            out += "F;P" + QByteArray::number(int(picture)) + at + "\r\n";
            if (cell.kind == ValueKind::Text) {
                if (!cell.text.isEmpty())
                    out += "C" + at + ';' + sylkString(cell.text) + "\r\n";
            } else {
                out += "C" + at + ";K" + formatNumber(cell.value).toLatin1() + "\r\n";
            }
        }
    }
    out += "E\r\n";
    return out;
}

}  // namespace velmar
