// velmar-cli sheet: a contract's calculation sheet as CSV, and optionally its filled workbook.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "cli/options.h"
#include "debt/calculation_sheet.h"
#include "debt/sheet_csv.h"
#include "platform/document_opener.h"
#include "reports/template_exporter.h"
#include "store/clock.h"
#include "store/dates.h"

namespace velmar::cli {

int sheetCommand(const QStringList& args, QTextStream& out)
{
    const Options o = parseOptions(args, {"out"});
    requirePositional(o, 1, QStringLiteral("velmar-cli sheet IDCON [--out FILE.xls]"));
    const qint64 idcon = idArgument(o.positional[0], QStringLiteral("IDCON"));
    auto app = AppContext::openLocal();
    SilentProgressCounter counter;
    ProgressScope progress(counter, QString());
    const CalculationSheet sheet = BuildCalculationSheet(app->db(), app->rates(), idcon, dayNumber(today()), progress);
    if (o.has("out")) {
        SystemDocumentOpener neverUsed;
        TemplateExporter exporter(neverUsed);
        FillCalculationSheet(exporter, calculationSheetTemplate(app->dataFolder()), sheet);
        exporter.saveAs(o.value("out"));
    }
    out << SheetCsv(sheet.ledger);
    return 0;
}

}  // namespace velmar::cli
