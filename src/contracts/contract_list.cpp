// The contract list query and its search panel.
#include "contracts/contract_list.h"

#include "contracts/contract_texts.h"
#include "store/dates.h"
#include "store/sql/data_folder_lock.h"
#include "store/sql/database.h"
#include "store/sql/row_reader.h"
#include "store/store_error.h"
#include "store/table_schema.h"

#include <QHash>

namespace velmar {

namespace {

const TableDef& contractTable() { return permanentTable(u"Contract"); }

QString selectContracts(const QString& tail)
{
    return QStringLiteral("SELECT %1 FROM Contract %2").arg(contractTable().columnList(), tail);
}

// Made once per selection: the rows are then read by position.
RowReader<ContractRow> contractReader(const QueryResult& selection)
{
    return {selection, {{u"IDCON", &ContractRow::idcon},       {u"NRCON", &ContractRow::nrcon},
                        {u"DATACON", &ContractRow::datacon},   {u"NRRATE", &ContractRow::nrrate},
                        {u"ACTIV", &ContractRow::activ},       {u"NUME", &ContractRow::nume},
                        {u"ROL", &ContractRow::rol},           {u"CNP", &ContractRow::cnp},
                        {u"ADRESA", &ContractRow::adresa},     {u"LOC", &ContractRow::loc},
                        {u"JUD", &ContractRow::jud},           {u"SUPRAFT", &ContractRow::supraft},
                        {u"RATA", &ContractRow::rata},         {u"MONEDA", &ContractRow::moneda},
                        {u"TIPRATA", &ContractRow::tiprata},   {u"DATARATA1", &ContractRow::datarata1},
                        {u"DATAPEN1", &ContractRow::datapen1}, {u"TIPPENAL", &ContractRow::tippenal},
                        {u"StopPen", &ContractRow::stopPen},   {u"OBS", &ContractRow::obs}}};
}

QString orderBy(const QString& sortColumn)
{
    if (sortColumn.isEmpty())
        return QStringLiteral("DATACON, NRCON");
    for (const DbfField& column : contractTable().fields)
        if (column.name.compare(sortColumn, Qt::CaseInsensitive) == 0)
            return column.name;
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
    const RowReader<ContractRow> reader = contractReader(contracts);
    const int idcon = contracts.column(u"IDCON");
    std::vector<ContractRow> rows;
    rows.reserve(contracts.rows.size());
    for (const QVariantList& contract : contracts.rows) {
        const auto found = restanta.constFind(contract[idcon].toLongLong());
        if (found == restanta.cend())
            continue;  // no installments: the list has always left such a contract out
        rows.push_back(reader.read(contract));
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
    ContractRow row = contractReader(contract).read(contract.rows.front());
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
