// The contract list query and its search panel.
#include "contracts/contract_list.h"

#include "contracts/contract_texts.h"
#include "store/dates.h"
#include "store/sql/data_folder_lock.h"
#include "store/sql/database.h"
#include "store/store_error.h"

#include <QHash>

namespace velmar {

namespace {

// The Contract columns in the order rowOf reads them.
const QStringList& contractColumns()
{
    static const QStringList columns{
        QStringLiteral("IDCON"),   QStringLiteral("NRCON"),   QStringLiteral("DATACON"),   QStringLiteral("NRRATE"),
        QStringLiteral("ACTIV"),   QStringLiteral("NUME"),    QStringLiteral("ROL"),       QStringLiteral("CNP"),
        QStringLiteral("ADRESA"),  QStringLiteral("LOC"),     QStringLiteral("JUD"),       QStringLiteral("SUPRAFT"),
        QStringLiteral("RATA"),    QStringLiteral("MONEDA"),  QStringLiteral("TIPRATA"),   QStringLiteral("DATARATA1"),
        QStringLiteral("DATAPEN1"), QStringLiteral("TIPPENAL"), QStringLiteral("StopPen"), QStringLiteral("OBS"),
    };
    return columns;
}

QString selectContracts(const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM Contract %2").arg(contractColumns().join(QStringLiteral(", ")), tail);
}

ContractRow rowOf(const QVariantList& v)
{
    const auto whole = [&v](int i) { return v[i].toLongLong(); };  // a blank number is null, read as 0
    const auto text = [&v](int i) { return v[i].toString(); };
    return {.idcon = whole(0),     .nrcon = whole(1),      .datacon = whole(2),   .nrrate = whole(3),
            .activ = text(4),      .nume = text(5),        .rol = text(6),        .cnp = text(7),
            .adresa = text(8),     .loc = text(9),         .jud = text(10),       .supraft = v[11].toDouble(),
            .rata = whole(12),     .moneda = text(13),     .tiprata = text(14),   .datarata1 = whole(15),
            .datapen1 = whole(16), .tippenal = whole(17),  .stopPen = whole(18),  .obs = text(19)};
}

QString orderBy(const QString& sortColumn)
{
    if (sortColumn.isEmpty())
        return QStringLiteral("DATACON, NRCON");
    for (const QString& column : contractColumns())
        if (column.compare(sortColumn, Qt::CaseInsensitive) == 0)
            return column;
    throw StoreError(contract_texts::noSortColumn(sortColumn));
}

}  // namespace

std::vector<ContractRow> LoadContractList(Database& db, const QString& sortColumn)
{
    const QString order = orderBy(sortColumn);
    // Both selections under one hold of the folder, so they see the same commit of other workstations.
    DataFolderLock::Guard sameCommit(db.lock(), FileLock::Mode::Shared);
    // Summing the installments alone and joining here in a hash is about three times faster than letting the
    // engine group the joined rows by all twenty contract columns.
    const QueryResult sums =
        db.select(QStringLiteral("SELECT IDCON, SUM(RATACALC - ACHITAT) FROM Rate GROUP BY IDCON"));
    QHash<qint64, qint64> restanta;
    restanta.reserve(qsizetype(sums.rows.size()));
    for (const QVariantList& sum : sums.rows)
        restanta.insert(sum[0].toLongLong(), sum[1].toLongLong());

    const QueryResult contracts = db.select(selectContracts(QStringLiteral("ORDER BY ") + order));
    std::vector<ContractRow> rows;
    rows.reserve(contracts.rows.size());
    for (const QVariantList& contract : contracts.rows) {
        const auto found = restanta.constFind(contract[0].toLongLong());
        if (found == restanta.cend())
            continue;  // no installments: the list has always left such a contract out
        rows.push_back(rowOf(contract));
        rows.back().restanta = *found;
    }
    return rows;
}

std::optional<ContractRow> FindContract(Database& db, qint64 idcon)
{
    DataFolderLock::Guard sameCommit(db.lock(), FileLock::Mode::Shared);
    const QueryResult contract = db.select(selectContracts(QStringLiteral("WHERE IDCON = ?")), {idcon});
    if (contract.rows.empty())
        return std::nullopt;
    ContractRow row = rowOf(contract.rows.front());
    row.restanta = db.select(QStringLiteral("SELECT SUM(RATACALC - ACHITAT) FROM Rate WHERE IDCON = ?"), {idcon})
                       .rows.front()
                       .front()
                       .toLongLong();
    return row;
}

bool ContractFilter::accepts(const ContractRow& row) const
{
    return (nume.isEmpty() || row.nume == nume) && (rol.isEmpty() || row.rol == rol) &&
           (!onlyActive || row.activ == kActive);
}

QStringList DistinctContractValues(Database& db, SearchColumn column)
{
    const QString name = column == SearchColumn::Nume ? QStringLiteral("NUME") : QStringLiteral("ROL");
    const QueryResult values = db.select(QStringLiteral("SELECT DISTINCT %1 FROM Contract ORDER BY %1").arg(name));
    QStringList list;
    for (const QVariantList& value : values.rows)
        if (!value[0].toString().trimmed().isEmpty())
            list << value[0].toString();
    return list;
}

QString stopPenText(qint64 stopPen) { return stopPen == kNoStopDay ? QStringLiteral("-") : DayToText(double(stopPen)); }

}  // namespace velmar
