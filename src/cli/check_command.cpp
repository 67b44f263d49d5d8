// velmar-cli check: the integrity check of the data folder, for IT staff.
#include "cli/commands.h"

#include "app/app_context.h"
#include "integrity/folder_check.h"
#include "integrity/integrity_texts.h"

namespace velmar::cli {

int checkCommand(const QStringList& args, QTextStream& out)
{
    const bool repair = args.contains(QStringLiteral("--repair"));
    const auto app = AppContext::openLocal();
    if (repair)
        for (const QString& done : RepairCounters(app->ids()))
            out << done << '\n';
    const QStringList problems = CheckDataFolder(app->db(), app->ids());
    for (const QString& problem : problems)
        out << problem << '\n';
    if (problems.isEmpty())
        out << integrity_texts::kNoProblem << '\n';
    return problems.isEmpty() ? 0 : 1;
}

}  // namespace velmar::cli
