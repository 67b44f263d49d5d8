// The rich-text export.
#include "export/rtf_writer.h"

#include "export/export_texts.h"
#include "store/dates.h"

#include <algorithm>
#include <cmath>

namespace velmar {

namespace {

// Twips: A4 landscape with 1 cm margins.
constexpr int kPageWidth = 16838, kPageHeight = 11906, kMargin = 567;
constexpr int kTextWidth = kPageWidth - 2 * kMargin;
constexpr double kTwipsPerChar = 100;  // a bold digit of 7 pt Arial, or of the font standing in for it
constexpr int kCellGap = 57;           // trgaph: the space left and right of a cell's text
constexpr double kCellPadding = 2 * kCellGap + 30;
const QByteArray kCellBorders = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                                "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";

void appendText(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u == u'\n') {
            out += "\\line ";
        } else if (u == u'\r') {
            continue;
        } else if (u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(int(int16_t(u))) + '?';
        }
    }
}

QByteArray paragraphAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return "\\qr";
    if (alignment & Qt::AlignHCenter)
        return "\\qc";
    return "\\ql";
}

QByteArray emphasis(Emphasis e)
{
    switch (e) {
    case Emphasis::Bold:
        return "\\b";
    case Emphasis::BoldRed:
        return "\\b\\cf2";
    case Emphasis::Plain:
        break;
    }
    return {};
}

// Each column as wide as its longest value or the longest word of its title (titles may wrap), the table
// shrunk to the page's width when it is wider.
std::vector<int> columnEdges(const ShownTable& table)
{
    std::vector<int> chars;
    for (const ShownColumn& column : table.columns) {
        int widest = 1;
        for (const QString& word : column.title.split(u' ', Qt::SkipEmptyParts))
            widest = std::max(widest, int(word.size()));
        chars.push_back(widest);
    }
    for (const std::vector<ShownCell>& row : table.rows)
        for (size_t c = 0; c < row.size(); ++c)
            chars[c] = std::max(chars[c], int(row[c].text.size()));
    double total = 0;
    for (const int n : chars)
        total += n * kTwipsPerChar + kCellPadding;
    const double scale = total > kTextWidth ? kTextWidth / total : 1.0;
    std::vector<int> edges;
    double edge = 0;
    for (const int n : chars) {
        edge += (n * kTwipsPerChar + kCellPadding) * scale;
        edges.push_back(int(std::lround(edge)));
    }
    return edges;
}

QByteArray cellDefinitions(const std::vector<int>& edges, const std::vector<QByteArray>& merges = {})
{
    QByteArray out;
    for (size_t c = 0; c < edges.size(); ++c)
        out += kCellBorders + (merges.empty() ? QByteArray() : merges[c]) + "\\cellx" + QByteArray::number(edges[c]);
    return out;
}

// A row of cells; `format` gives each cell's paragraph formatting.
template <class Cells, class Format>
void appendRow(QByteArray& out, const QByteArray& definition, bool heading, const Cells& cells, Format format)
{
    out += "\\trowd\\trgaph" + QByteArray::number(kCellGap) + "\\trleft0";
    if (heading)
        out += "\\trhdr";
    out += definition;
    out += '\n';
    for (size_t c = 0; c < cells.size(); ++c) {
        out += "\\pard\\intbl" + format(c) + ' ';
        appendText(out, cells[c]);
        out += "\\cell";
        out += "\\plain\\fs14";
    }
    out += "\\row\n";
}

void appendBandRow(QByteArray& out, const ShownTable& table, const std::vector<int>& edges)
{
    std::vector<QByteArray> merges(table.columns.size());
    for (const GridBand& band : table.bands()) {
        if (band.last == band.first)
            continue;
        merges[size_t(band.first)] = "\\clmgf";
        for (int c = band.first + 1; c <= band.last; ++c)
            merges[size_t(c)] = "\\clmrg";
    }
    appendRow(out, cellDefinitions(edges, merges), true, table.bandRow(), [](size_t) { return QByteArray("\\qc\\b"); });
}

}  // namespace

QByteArray rtfDocument(const ShownTable& table)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1250\\deff0\\uc1\n"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\n"
                     "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\n";
    out += "\\paperw" + QByteArray::number(kPageWidth) + "\\paperh" + QByteArray::number(kPageHeight) +
        "\\landscape\\margl" + QByteArray::number(kMargin) + "\\margr" + QByteArray::number(kMargin) + "\\margt" +
        QByteArray::number(kMargin) + "\\margb" + QByteArray::number(kMargin) + "\n\\plain\\fs14\n";
    if (!table.heading.isEmpty()) {
        out += "\\pard\\plain\\b\\fs24 ";
        appendText(out, table.heading);
        out += "\\par\n";
    }
    out += "\\pard\\plain\\fs18 ";
    appendText(out, export_texts::createdLine(formatDate(table.created)));
    out += "\\par\n\\plain\\fs14\n";

    const std::vector<int> edges = columnEdges(table);
    if (!table.bands().empty())
        appendBandRow(out, table, edges);
    const QByteArray definition = cellDefinitions(edges);
    std::vector<QString> titles;
    for (const ShownColumn& column : table.columns)
        titles.push_back(column.title);
    appendRow(out, definition, true, titles, [](size_t) { return QByteArray("\\qc\\b"); });

    std::vector<QByteArray> formats;
    for (const ShownColumn& column : table.columns)
        formats.push_back(paragraphAlignment(column.alignment) + emphasis(column.emphasis));
    std::vector<QString> texts(table.columns.size());
    for (const std::vector<ShownCell>& row : table.rows) {
        for (size_t c = 0; c < row.size(); ++c)
            texts[c] = row[c].text;
        appendRow(out, definition, false, texts, [&](size_t c) { return formats[c]; });
    }
    out += "\\pard\\par\n}\n";
    return out;
}

}  // namespace velmar
