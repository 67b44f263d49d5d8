// A second process for the store tests: writes into a data folder at the same time as another one,
// or dies in the middle of a commit.
#include "store/id_counters.h"
#include "store/settings.h"
#include "store/sql/database.h"
#include "store/sql/journal.h"
#include "store/sql/transaction.h"

#include <QCoreApplication>
#include <cstdlib>
#include <iostream>

using namespace velmar;

namespace {

// worker insert FOLDER COUNT TAG: COUNT single-row transactions into Log.
int insertRows(const QString& folder, int count, const QString& tag)
{
    Database db(folder);
    for (int i = 0; i < count; ++i)
        db.execute(QStringLiteral("INSERT INTO Log (IDLOG, ACTIUNE) VALUES (?, ?)"), {i, tag});
    return 0;
}

// worker ids FOLDER COUNT: draws COUNT identifiers from the IDCON counter and prints them.
int drawIds(const QString& folder, int count)
{
    Database db(folder);
    Settings settings(folder, folder);
    IdCounters ids(settings, db);
    for (int i = 0; i < count; ++i)
        std::cout << ids.NextId(QStringLiteral("IDCON")) << '\n';
    return 0;
}

// worker crash FOLDER: one transaction over Contract, Rate and Chitante; the process ends abruptly
// once the first table file of the commit has been written.
int crashMidCommit(const QString& folder)
{
    Database db(folder);
    Journal::setAfterFileWrittenHook([](const QString&) { std::_Exit(9); });
    Transaction t(db);
    db.execute(QStringLiteral("UPDATE Contract SET NUME = ? WHERE IDCON = 1"), {QStringLiteral("Schimbat")});
    db.execute(QStringLiteral("INSERT INTO Rate (IDCON, IDRATA, NRRATA, RATAINI) VALUES (1, 99, 9, 5)"));
    db.execute(QStringLiteral("UPDATE Rate SET ACHITAT = ACHITAT + 1"));
    db.execute(QStringLiteral("DELETE FROM Chitante WHERE IDCHIT = 1"));
    t.commit();
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.value(1) == u"insert")
            return insertRows(args.value(2), args.value(3).toInt(), args.value(4));
        // exec FOLDER STATEMENT: one change, as another workstation would make it.
        if (args.value(1) == u"exec")
            return Database(args.value(2)).execute(args.value(3)) >= 0 ? 0 : 1;
        if (args.value(1) == u"ids")
            return drawIds(args.value(2), args.value(3).toInt());
        if (args.value(1) == u"crash")
            return crashMidCommit(args.value(2));
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    std::cerr << "usage: store_worker exec FOLDER SQL | insert FOLDER COUNT TAG | ids FOLDER COUNT | crash FOLDER\n";
    return 2;
}
