// Listing the rate tables.
#include "debt/rate_list.h"

#include "store/sql/database.h"
#include "store/sql/row_reader.h"

namespace velmar {

namespace {

template <typename Row>
std::vector<Row> readAll(Database& db, const QString& sql,
                         std::initializer_list<typename RowReader<Row>::Column> columns)
{
    const QueryResult rows = db.select(sql);
    const RowReader<Row> reader(rows, columns);
    std::vector<Row> read;
    read.reserve(rows.rows.size());
    for (const QVariantList& row : rows.rows)
        read.push_back(reader.read(row));
    return read;
}

}  // namespace

std::vector<PenaltyRateRow> PenaltyRateRows(Database& db)
{
    return readAll<PenaltyRateRow>(db,
                                   QStringLiteral("SELECT IDP, DATASTAB, PEZI, PELUNA FROM PenalIst ORDER BY DATASTAB"),
                                   {{u"IDP", &PenaltyRateRow::idp},
                                    {u"DATASTAB", &PenaltyRateRow::datastab},
                                    {u"PEZI", &PenaltyRateRow::pezi},
                                    {u"PELUNA", &PenaltyRateRow::peluna}});
}

std::vector<InflationRateRow> InflationRateRows(Database& db)
{
    return readAll<InflationRateRow>(db,
                                     QStringLiteral("SELECT IDINF, DATASTAB, VALOARE FROM Inflatie ORDER BY DATASTAB"),
                                     {{u"IDINF", &InflationRateRow::idinf},
                                      {u"DATASTAB", &InflationRateRow::datastab},
                                      {u"VALOARE", &InflationRateRow::valoare}});
}

}  // namespace velmar
