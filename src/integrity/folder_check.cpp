#include "integrity/folder_check.h"

#include "integrity/integrity_texts.h"
#include "platform/folder_access.h"
#include "store/dbf/dbf_header.h"
#include "store/id_counters.h"
#include "store/sql/database.h"
#include "store/table_schema.h"

#include <QDir>
#include <QFile>

namespace velmar {

namespace {

namespace texts = integrity_texts;

qint64 number(const QVariant& value) { return value.toLongLong(); }

// Structure: every permanent table is there, readable, with every column of its description.
void checkStructure(Database& db, QStringList& problems)
{
    for (const TableDef& table : permanentTables()) {
        if (!db.hasTable(table.name)) {
            problems << texts::tableMissing(table.name);
            continue;
        }
        QFile file(db.tablePath(table.name));
        if (!file.open(QIODevice::ReadOnly)) {
            problems << texts::tableUnreadable(table.name, file.errorString());
            continue;
        }
        const QByteArray bytes = file.readAll();
        try {
            const DbfHeader header = DbfHeader::parse(bytes, bytes.size(), file.fileName());
            for (const DbfField& expected : table.fields) {
                const auto found = std::find_if(header.fields().begin(), header.fields().end(), [&](const DbfField& f) {
                    return f.name.compare(expected.name, Qt::CaseInsensitive) == 0;
                });
                if (found == header.fields().end())
                    problems << texts::columnMissing(table.name, expected.name);
                else if (found->type != expected.type)
                    problems << texts::columnOfOtherType(table.name, expected.name, QChar(found->type),
                                                         QChar(expected.type));
            }
            db.rowCount(table.name);  // every record readable
        } catch (const StoreError& e) {
            problems << texts::tableUnreadable(table.name, e.message());
        }
    }
}

bool usable(Database& db, std::initializer_list<const char*> tables)
{
    for (const char* table : tables)
        if (!db.hasTable(QString::fromLatin1(table)))
            return false;
    return true;
}

// Rows that share what must tell them apart: an identifier, or a payment's line on one installment.
void checkUniqueness(Database& db, QStringList& problems)
{
    struct Key {
        const char* table;
        const char* columns;  // the first one is named in the message
    };
    static const Key keys[] = {
        {"Contract", "IDCON"}, {"Rate", "IDRATA"}, {"Chitante", "IDCHIT, IDRATA"}, {"PenalIst", "IDP"},
        {"Inflatie", "IDINF"}, {"Log", "IDLOG"},   {"UndoRate", "IDCHIT, IDRATA"},
    };
    for (const Key& key : keys) {
        if (!usable(db, {key.table}))
            continue;
        const QString table = QString::fromLatin1(key.table);
        const QString columns = QString::fromLatin1(key.columns);
        const QueryResult repeated = db.select(
            QStringLiteral("SELECT %1, COUNT(*) FROM %2 GROUP BY %1 HAVING COUNT(*) > 1").arg(columns, table));
        for (const QVariantList& row : repeated.rows)
            problems << texts::duplicateId(table, columns.section(u',', 0, 0), number(row.front()), number(row.back()));
    }
}

void checkCounters(Database& db, const IdCounters& ids, QStringList& problems)
{
    for (const CounterTable& c : identifierCounterTables()) {
        if (!usable(db, {c.table}))
            continue;
        const QString key = QString::fromLatin1(c.key), table = QString::fromLatin1(c.table);
        const qint64 highest = number(
            db.select(QStringLiteral("SELECT COALESCE(MAX(%1), 0) FROM %2").arg(key, table)).rows.front().front());
        const qint64 counter = ids.PeekId(key);
        if (highest > 0 && counter <= highest)
            problems << texts::counterBehind(key, counter, table, highest);
    }
}

// The payments and what they point at: installments' ACHITAT, contracts, installments, snapshots.
void checkPayments(Database& db, QStringList& problems)
{
    if (!usable(db, {"Contract", "Rate", "Chitante"}))
        return;
    const QueryResult paid = db.select(QStringLiteral(
        "SELECT R.IDRATA, R.ACHITAT, COALESCE(P.SUMA, 0) FROM Rate R "
        "LEFT JOIN (SELECT IDRATA, SUM(SUMA) AS SUMA FROM Chitante GROUP BY IDRATA) P ON P.IDRATA = R.IDRATA "
        "WHERE R.ACHITAT <> COALESCE(P.SUMA, 0) ORDER BY R.IDRATA"));
    for (const QVariantList& row : paid.rows)
        problems << texts::paidDiffers(number(row[0]), number(row[1]), number(row[2]));

    const QueryResult installments = db.select(QStringLiteral(
        "SELECT IDRATA, IDCON FROM Rate WHERE IDCON NOT IN (SELECT IDCON FROM Contract) ORDER BY IDRATA"));
    for (const QVariantList& row : installments.rows)
        problems << texts::installmentWithoutContract(number(row[0]), number(row[1]));

    const QueryResult contracts = db.select(QStringLiteral(
        "SELECT DISTINCT IDCHIT, IDCON FROM Chitante WHERE IDCON NOT IN (SELECT IDCON FROM Contract) ORDER BY IDCHIT"));
    for (const QVariantList& row : contracts.rows)
        problems << texts::paymentWithoutContract(number(row[0]), number(row[1]));

    const QueryResult lines = db.select(QStringLiteral(
        "SELECT C.IDCHIT, C.IDRATA FROM Chitante C WHERE C.IDCON IN (SELECT IDCON FROM Contract) AND NOT EXISTS "
        "(SELECT 1 FROM Rate R WHERE R.IDRATA = C.IDRATA AND R.IDCON = C.IDCON) ORDER BY C.IDCHIT, C.IDRATA"));
    for (const QVariantList& row : lines.rows)
        problems << texts::paymentWithoutInstallment(number(row[0]), number(row[1]));

    if (!usable(db, {"UndoRate"}))
        return;
    const QueryResult snapshots = db.select(QStringLiteral(
        "SELECT DISTINCT IDCHIT FROM UndoRate WHERE IDCHIT NOT IN (SELECT IDCHIT FROM Chitante) ORDER BY IDCHIT"));
    for (const QVariantList& row : snapshots.rows)
        problems << texts::orphanSnapshot(number(row[0]));
}

}  // namespace

QStringList FolderExposure(const QString& dataFolder)
{
    const FolderAccess access = folderAccess(dataFolder);
    const QString shown = QDir::toNativeSeparators(dataFolder);
    QStringList problems;
    if (access.writableByAnyone)
        problems << texts::folderWritableByAnyone(shown);
    if (access.ownedByAnother)
        problems << texts::folderOfAnotherUser(shown, access.owner);
    return problems;
}

QStringList CheckDataFolder(Database& db, const IdCounters& ids)
{
    QStringList problems = FolderExposure(db.folder());
    checkStructure(db, problems);
    checkUniqueness(db, problems);
    checkCounters(db, ids, problems);
    checkPayments(db, problems);
    return problems;
}

QStringList RepairCounters(IdCounters& ids)
{
    QStringList repaired;
    std::vector<std::pair<QString, qint64>> before;
    for (const CounterTable& c : identifierCounterTables())
        before.emplace_back(QString::fromLatin1(c.key), ids.PeekId(QString::fromLatin1(c.key)));
    ids.CatchUpWithTables();
    for (const auto& [key, value] : before)
        if (const qint64 now = ids.PeekId(key); now != value)
            repaired << integrity_texts::counterRepaired(key, now);
    return repaired;
}

}  // namespace velmar
