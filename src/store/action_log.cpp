// Writing, reading and trimming the action log.
#include "store/action_log.h"

#include "platform/system_info.h"
#include "store/clock.h"
#include "store/dates.h"
#include "store/id_counters.h"
#include "store/sql/database.h"

namespace velmar {

namespace {
constexpr int kTrimThreshold = 1000;
}

QString logUserText()
{
    const QString user = userName();
    return computerName().left(15) + QStringLiteral(" - ") + (user.isEmpty() ? QStringLiteral("Unknown") : user);
}

void WriteLog(Database& db, IdCounters& ids, const QString& userText, const QString& action)
{
    db.execute(QStringLiteral("INSERT INTO Log (IDLOG, DATAL, ORA, ACTIUNE, UTILIZATOR) VALUES (?, ?, ?, ?, ?)"),
               {ids.NextId(QStringLiteral("IDLOG")), formatDate(today()),
                timeOfDay().toString(QStringLiteral("HH:mm:ss")), action, userText});
}

std::vector<LogEntry> ReadLog(Database& db)
{
    const QueryResult result =
        db.select(QStringLiteral("SELECT IDLOG, DATAL, ORA, ACTIUNE, UTILIZATOR FROM Log ORDER BY IDLOG"));
    std::vector<LogEntry> entries;
    entries.reserve(result.rows.size());
    for (const QVariantList& row : result.rows)
        entries.push_back({row[0].toLongLong(), QDate::fromString(row[1].toString(), Qt::ISODate), row[2].toString(),
                           row[3].toString(), row[4].toString()});
    return entries;
}

qint64 TrimLog(Database& db)
{
    // The last entry in the file's own order decides, as it always has: entries are only ever appended.
    const QueryResult ids = db.select(QStringLiteral("SELECT IDLOG FROM Log"));
    if (ids.rows.size() < size_t(kTrimThreshold))
        return 0;
    const qint64 last = ids.rows.back().front().toLongLong();
    const qint64 removed = db.execute(QStringLiteral("DELETE FROM Log WHERE IDLOG < ?"), {last - kTrimThreshold});
    if (removed > 0)
        db.pack(QStringLiteral("Log"));  // deleted entries would otherwise stay in the file for ever
    return removed;
}

}  // namespace velmar
