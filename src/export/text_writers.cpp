// Plain-text exports.
#include "export/text_writers.h"

#include "export/export_texts.h"
#include "store/dates.h"

#include <algorithm>

namespace velmar {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QStringList headingLines(const ShownTable& table)
{
    QStringList lines;
    if (!table.heading.isEmpty())
        lines << table.heading;
    lines << export_texts::createdLine(formatDate(table.created));
    return lines;
}

QString separatedValue(const QString& value, QChar separator)
{
    const bool quoted =
        value.contains(separator) || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r');
    if (!quoted)
        return value;
    QString escaped = value;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

void appendSeparated(QString& out, const std::vector<QString>& values, QChar separator)
{
    for (size_t c = 0; c < values.size(); ++c) {
        if (c > 0)
            out += separator;
        out += separatedValue(values[c], separator);
    }
    out += kLineEnd;
}

std::vector<QString> titles(const ShownTable& table)
{
    std::vector<QString> row;
    for (const ShownColumn& column : table.columns)
        row.push_back(column.title);
    return row;
}

std::vector<QString> texts(const std::vector<ShownCell>& cells)
{
    std::vector<QString> row;
    row.reserve(cells.size());
    for (const ShownCell& cell : cells)
        row.push_back(cell.text);
    return row;
}

constexpr int kGap = 2;

QString aligned(const QString& text, int width, Qt::Alignment alignment)
{
    const int room = std::max(0, width - int(text.size()));
    if (alignment & Qt::AlignRight)
        return QString(room, u' ') + text;
    if (alignment & Qt::AlignHCenter)
        return QString(room / 2, u' ') + text + QString(room - room / 2, u' ');
    return text + QString(room, u' ');
}

// The widest text of each column; a band title wider than its columns widens the last of them.
std::vector<int> columnWidths(const ShownTable& table)
{
    std::vector<int> widths;
    for (const ShownColumn& column : table.columns)
        widths.push_back(int(column.title.size()));
    for (const std::vector<ShownCell>& row : table.rows)
        for (size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], int(row[c].text.size()));
    for (const GridBand& band : table.bands()) {
        int span = kGap * (band.last - band.first);
        for (int c = band.first; c <= band.last; ++c)
            span += widths[size_t(c)];
        widths[size_t(band.last)] += std::max(0, int(band.title.size()) - span);
    }
    return widths;
}

QString rightTrimmed(QString line)
{
    qsizetype end = line.size();
    while (end > 0 && line[end - 1] == u' ')
        --end;
    line.truncate(end);
    return line;
}

QString bandLine(const ShownTable& table, const std::vector<int>& widths)
{
    QString line;
    int c = 0;
    for (const GridBand& band : table.bands()) {
        for (; c < band.first; ++c)
            line += QString(widths[size_t(c)] + kGap, u' ');
        int span = kGap * (band.last - band.first);
        for (; c <= band.last; ++c)
            span += widths[size_t(c)];
        line += aligned(band.title, span, Qt::AlignHCenter) + QString(kGap, u' ');
    }
    return rightTrimmed(line);
}

// A tab or a line break inside a value would break the columns.
QString oneLine(QString text)
{
    for (const QChar breaking : {u'\t', u'\r', u'\n'})
        text.replace(breaking, u' ');
    return text;
}

QString fixedLine(const std::vector<QString>& values, const ShownTable& table, const std::vector<int>& widths,
                  bool titleLine)
{
    QString line;
    for (size_t c = 0; c < values.size(); ++c) {
        if (c > 0)
            line += QString(kGap, u' ');
        line += aligned(oneLine(values[c]), widths[c], titleLine ? Qt::AlignHCenter : table.columns[c].alignment);
    }
    return rightTrimmed(line);
}

}  // namespace

QString separatedText(const ShownTable& table, QChar separator)
{
    QString out;
    for (const QString& line : headingLines(table))
        appendSeparated(out, {line}, separator);
    if (!table.bands().empty())
        appendSeparated(out, table.bandRow(), separator);
    appendSeparated(out, titles(table), separator);
    for (const std::vector<ShownCell>& row : table.rows)
        appendSeparated(out, texts(row), separator);
    return out;
}

QString fixedWidthText(const ShownTable& table)
{
    const std::vector<int> widths = columnWidths(table);
    QStringList lines = headingLines(table);
    lines << QString();
    if (!table.bands().empty())
        lines << bandLine(table, widths);
    lines << fixedLine(titles(table), table, widths, true);
    QStringList dashes;
    for (const int width : widths)
        dashes << QString(width, u'-');
    lines << dashes.join(QString(kGap, u' '));
    for (const std::vector<ShownCell>& row : table.rows)
        lines << fixedLine(texts(row), table, widths, false);
    return lines.join(kLineEnd) + kLineEnd;
}

}  // namespace velmar
