// New PenalIst and Inflatie rows.
#include "debt/rate_rows.h"

#include "app/rate_tables.h"
#include "store/sql/database.h"
#include "store/table_schema.h"

namespace velmar {

void InsertPenaltyRow(Database& db, qint64 idp, const PenaltyRate& rate)
{
    const TableDef& table = permanentTable(u"PenalIst");
    RowValues row(table);
    row.set(u"IDP", idp).set(u"DATASTAB", qint64(rate.day)).set(u"PEZI", rate.perDay).set(u"PELUNA", rate.perMonth);
    db.execute(table.insertStatement(), row.values());
}

void InsertInflationRow(Database& db, qint64 idinf, const InflationRate& rate)
{
    const TableDef& table = permanentTable(u"Inflatie");
    RowValues row(table);
    row.set(u"IDINF", idinf).set(u"DATASTAB", rate.day).set(u"VALOARE", rate.value);
    db.execute(table.insertStatement(), row.values());
}

}  // namespace velmar
