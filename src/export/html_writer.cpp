// The web-page export.
#include "export/html_writer.h"

#include "export/export_texts.h"
#include "store/dates.h"
#include "store/rounding.h"

namespace velmar {

namespace {

const QString kStyle =
    QStringLiteral("table { border-collapse: collapse; font-family: Arial, sans-serif; font-size: 9pt; }\n"
                   "th, td { border: 1px solid #808080; padding: 2px 4px; white-space: nowrap; }\n"
                   "th { background: #e0e0e0; }\n"
                   ".l { text-align: left; } .c { text-align: center; } .r { text-align: right; }\n"
                   ".b { font-weight: bold; } .br { font-weight: bold; color: #ff0000; }\n"
                   "td.t { mso-number-format: \"\\@\"; } td.d { mso-number-format: \"dd\\.mm\\.yyyy\"; }\n");

QString alignmentClass(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return QStringLiteral("r");
    if (alignment & Qt::AlignHCenter)
        return QStringLiteral("c");
    return QStringLiteral("l");
}

QString emphasisClass(Emphasis emphasis)
{
    switch (emphasis) {
    case Emphasis::Bold:
        return QStringLiteral(" b");
    case Emphasis::BoldRed:
        return QStringLiteral(" br");
    case Emphasis::Plain:
        break;
    }
    return {};
}

QString kindClass(ValueKind kind)
{
    switch (kind) {
    case ValueKind::Text:
        return QStringLiteral(" t");
    case ValueKind::Date:
        return QStringLiteral(" d");
    case ValueKind::Number:
        break;
    }
    return {};
}

// 1033: LibreOffice's language of the number formats below.
QString valueAttributes(const ShownCell& cell)
{
    switch (cell.kind) {
    case ValueKind::Number:
        return QStringLiteral(" sdval=\"%1\" sdnum=\"1033;0;General\"").arg(formatNumber(cell.value));
    case ValueKind::Date:
        return QStringLiteral(" sdval=\"%1\" sdnum=\"1033;0;DD.MM.YYYY\"").arg(formatNumber(cell.value));
    case ValueKind::Text:
        break;
    }
    return QStringLiteral(" sdnum=\"1033;0;@\"");
}

void appendHead(QString& out, const ShownTable& table)
{
    out += QStringLiteral("<thead>\n");
    const std::vector<GridBand> bands = table.bands();
    if (!bands.empty()) {
        out += QStringLiteral("<tr>");
        int c = 0;
        for (const GridBand& band : bands) {
            for (; c < band.first; ++c)
                out += QStringLiteral("<th></th>");
            out += QStringLiteral("<th colspan=\"%1\">%2</th>")
                       .arg(band.last - band.first + 1)
                       .arg(band.title.toHtmlEscaped());
            c = band.last + 1;
        }
        for (; c < int(table.columns.size()); ++c)
            out += QStringLiteral("<th></th>");
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("<tr>");
    for (const ShownColumn& column : table.columns)
        out += QStringLiteral("<th>") + column.title.toHtmlEscaped() + QStringLiteral("</th>");
    out += QStringLiteral("</tr>\n</thead>\n");
}

void appendBody(QString& out, const ShownTable& table)
{
    std::vector<QString> classes;
    for (const ShownColumn& column : table.columns)
        classes.push_back(alignmentClass(column.alignment) + emphasisClass(column.emphasis));
    out += QStringLiteral("<tbody>\n");
    for (const std::vector<ShownCell>& row : table.rows) {
        out += QStringLiteral("<tr>");
        for (size_t c = 0; c < row.size(); ++c) {
            const ShownCell& cell = row[c];
            out += QStringLiteral("<td class=\"") + classes[c] + kindClass(cell.kind) + u'"' + valueAttributes(cell) +
                u'>' + cell.text.toHtmlEscaped() + QStringLiteral("</td>");
        }
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</tbody>\n");
}

}  // namespace

QString htmlPage(const ShownTable& table)
{
    const QString heading = table.heading.toHtmlEscaped();
    QString out = QStringLiteral("<!DOCTYPE html>\n<html lang=\"ro\">\n<head>\n<meta charset=\"utf-8\">\n<title>") +
        heading + QStringLiteral("</title>\n<style>\n") + kStyle + QStringLiteral("</style>\n</head>\n<body>\n");
    if (!heading.isEmpty())
        out += QStringLiteral("<h3>") + heading + QStringLiteral("</h3>\n");
    out += QStringLiteral("<p>") + export_texts::createdLine(formatDate(table.created)).toHtmlEscaped() +
        QStringLiteral("</p>\n<table>\n");
    appendHead(out, table);
    appendBody(out, table);
    out += QStringLiteral("</table>\n</body>\n</html>\n");
    return out;
}

}  // namespace velmar
