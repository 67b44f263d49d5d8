// velmar-cli template fill: a report template with its tags replaced and its band row repeated for the
// rows of a CSV file, written to a file of the user's choice.
#include "cli/commands.h"

#include "cli/options.h"
#include "platform/document_opener.h"
#include "reports/csv_dataset.h"
#include "reports/report_texts.h"
#include "reports/template_exporter.h"
#include "store/store_error.h"

#include <QFile>
#include <optional>
#include <utility>

namespace velmar::cli {

namespace {

const QString kUsage = QStringLiteral(
    "velmar-cli template fill TEMPLATE.xls [--tag '#TAG=text']... [--rows ROWS.csv] [--blank-zeros] --out OUT.xls");

// "#TAG=text": the tag up to the first "=", the text after it.
std::pair<QString, QString> tagArgument(const QString& argument)
{
    const qsizetype equals = argument.indexOf(u'=');
    if (equals <= 0)
        throw StoreError(QStringLiteral("Eticheta se da ca #ETICHETA=text: \"%1\"").arg(argument));
    return {argument.left(equals), argument.mid(equals + 1)};
}

ReportDataset csvRows(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw StoreError(report_texts::fileUnreadable(path));
    return ReadCsvDataset(file.readAll(), path);
}

}  // namespace

int templateCommand(const QStringList& args, QTextStream&)
{
    const Options o = parseOptions(args, {"tag", "rows", "out"}, {"blank-zeros"});
    requirePositional(o, 2, kUsage);
    if (o.positional[0] != u"fill" || !o.has("out"))
        throw StoreError(QStringLiteral("Folosire: %1").arg(kUsage));
    std::vector<std::pair<QString, QString>> tags;
    for (const QString& tag : o.all("tag"))
        tags.push_back(tagArgument(tag));
    // Everything refused is refused before the output file is written.
    const std::optional<ReportDataset> rows = o.has("rows") ? std::optional(csvRows(o.value("rows"))) : std::nullopt;

    SystemDocumentOpener neverUsed;
    TemplateExporter exporter(neverUsed);
    OpenReportTemplate(exporter, o.positional[1]);
    for (const auto& [tag, text] : tags)
        exporter.ReplaceTag(tag, text);
    exporter.setBlankZeros(o.has("blank-zeros"));
    if (rows)
        exporter.FillBand(*rows);
    exporter.saveAs(o.value("out"));
    return 0;
}

}  // namespace velmar::cli
