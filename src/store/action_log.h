// The action log (table Log): who started and ended work, added or deleted a contract, recorded or
// undid a payment, and when. Trimmed at start-up to about the newest thousand entries.
#pragma once

#include <QDate>
#include <QString>
#include <vector>

namespace velmar {

class Database;
class IdCounters;

struct LogEntry {
    qint64 id = 0;
    QDate date;
    QString time;
    QString action;
    QString user;
};

// Computer name (at most 15 characters), " - ", user name ("Unknown" when it cannot be read). The log's
// column keeps its first 16 characters.
QString logUserText();

// Appends one entry dated now; joins the caller's transaction when there is one.
void WriteLog(Database& db, IdCounters& ids, const QString& userText, const QString& action);
std::vector<LogEntry> ReadLog(Database& db);  // in IDLOG order
// When the log holds 1000 entries or more, deletes those whose IDLOG is below the last one's - 1000
// and compacts the file. Returns the number of entries deleted.
qint64 TrimLog(Database& db);

}  // namespace velmar
