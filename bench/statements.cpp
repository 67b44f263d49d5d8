// Statement texts built from the table descriptions.
#include "bench/statements.h"

#include <QStringList>

namespace velmar::bench {

namespace {

QStringList quotedNames(const TableDef& table)
{
    QStringList names;
    for (const DbfField& f : table.fields)
        names << QLatin1Char('"') + f.name + QLatin1Char('"');
    return names;
}

QVariant parameterOf(const Cell& cell)
{
    if (const auto* whole = std::get_if<std::int64_t>(&cell))
        return QVariant(qint64(*whole));
    if (const auto* real = std::get_if<double>(&cell))
        return QVariant(*real);
    if (const auto* text = std::get_if<std::string>(&cell))
        return QVariant(QString::fromStdString(*text));
    return {};
}

}  // namespace

QString contractListQuery()
{
    return QStringLiteral(
        "SELECT A.IDCON, A.NRCON, A.DATACON, A.NUME, A.ROL, A.CNP, A.ADRESA, A.LOC, A.JUD, A.RATA, A.StopPen, "
        "SUM(R.RATACALC-R.ACHITAT) AS RESTANTA FROM Contract A JOIN Rate R ON A.IDCON = R.IDCON "
        "GROUP BY A.IDCON, A.NRCON, A.DATACON, A.NUME, A.ROL, A.CNP, A.ADRESA, A.LOC, A.JUD, A.RATA, A.StopPen "
        "ORDER BY A.NUME");
}

QString rateUpdate() { return QStringLiteral("UPDATE Rate SET ACHITAT = ACHITAT + ? WHERE IDRATA = ?"); }

QString insertStatement(const TableDef& table)
{
    QStringList marks;
    for (qsizetype i = 0; i < qsizetype(table.fields.size()); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
        .arg(table.name, quotedNames(table).join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

QString createTableStatement(const TableDef& table)
{
    QStringList columns = quotedNames(table);
    for (qsizetype i = 0; i < columns.size(); ++i)
        columns[i] += QLatin1Char(' ') + sqlTypeOf(table.fields[size_t(i)]);
    return QStringLiteral("CREATE TABLE \"%1\" (%2)").arg(table.name, columns.join(QStringLiteral(", ")));
}

QVariantList parametersOf(const std::vector<Cell>& row)
{
    QVariantList params;
    params.reserve(qsizetype(row.size()));
    for (const Cell& cell : row)
        params << parameterOf(cell);
    return params;
}

}  // namespace velmar::bench
