// velmar-cli init (the start-up maintenance of the local data folder) and velmar-cli log.
#include "cli/commands.h"

#include "app/app_context.h"
#include "app/version.h"
#include "session/local_maintenance.h"
#include "store/action_log.h"
#include "store/dates.h"
#include "store/sql/csv_format.h"

namespace velmar::cli {

int initCommand(const QStringList&, QTextStream& out)
{
    const auto app = AppContext::openLocal();
    RecordVersion(*app);
    const MaintenanceReport r = RunLocalMaintenance(*app, [] {});
    out << "Folder de date: " << app->dataFolder() << '\n';
    out << "Tabele create: " << (r.created.isEmpty() ? QStringLiteral("-") : r.created.join(QStringLiteral(", ")))
        << '\n';
    out << "Istoric: " << r.logEntriesRemoved << " actiuni vechi sterse\n";
    out << "Sabloane scrise: "
        << (r.carriedFilesWritten.isEmpty() ? QStringLiteral("-") : r.carriedFilesWritten.join(QStringLiteral(", ")))
        << '\n';
    out << "Contract.StopPen: " << (r.upgrade.stopPenAdded ? "coloana adaugata" : "exista") << ", "
        << r.upgrade.stopPenFilled << " contracte completate cu 99999\n";
    out << "Tabele de rate: " << r.upgrade.rateRowsAdded << " randuri adaugate\n";
    out << "Compactare: " << (r.compacted ? "facuta" : "facuta deja saptamana aceasta") << '\n';
    return 0;
}

int logCommand(const QStringList&, QTextStream& out)
{
    const auto app = AppContext::openLocal();
    out << "IDLOG,DATAL,ORA,ACTIUNE,UTILIZATOR\n";
    for (const LogEntry& e : ReadLog(app->db()))
        out << e.id << ',' << formatDate(e.date) << ',' << csvField(e.time) << ',' << csvField(e.action) << ','
            << csvField(e.user) << '\n';
    return 0;
}

}  // namespace velmar::cli
