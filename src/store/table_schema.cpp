// The seven permanent tables and the mapping of declared SQL types to dBase fields.
#include "store/table_schema.h"

#include "store/store_error.h"

#include <QRegularExpression>

namespace velmar {

namespace {

DbfField chr(const char* name, int width) { return {QString::fromLatin1(name), 'C', width, 0}; }
DbfField dec(const char* name, int precision, int scale = 0)
{
    return {QString::fromLatin1(name), 'N', precision, scale};
}
DbfField date(const char* name) { return {QString::fromLatin1(name), 'D', 8, 0}; }

std::vector<DbfField> rateColumns()
{
    return {dec("IDCON", 10), dec("IDRATA", 10),  dec("NRRATA", 6),    dec("DATARATA", 6), dec("DATAPEN", 6),
            dec("ULTIMA", 6), dec("RATAINI", 10), dec("RATACALC", 10), dec("ACHITAT", 10), dec("PENALREST", 10)};
}

std::vector<TableDef> buildTables()
{
    std::vector<DbfField> undo{dec("IDCHIT", 10)};
    for (const DbfField& f : rateColumns())
        undo.push_back(f);

    return {
        {QStringLiteral("Log"),
         {dec("IDLOG", 10), date("DATAL"), chr("ORA", 12), chr("ACTIUNE", 120), chr("UTILIZATOR", 16)}},
        {QStringLiteral("Contract"),
         {dec("IDCON", 10),    dec("NRCON", 12),      dec("DATACON", 6),  dec("NRRATE", 6),  chr("ACTIV", 2),
          chr("NUME", 50),     chr("ROL", 9),         chr("CNP", 13),     chr("ADRESA", 80), chr("LOC", 24),
          chr("JUD", 24),      dec("SUPRAFT", 10, 4), dec("RATA", 10),    chr("MONEDA", 6),  chr("TIPRATA", 12),
          dec("DATARATA1", 6), dec("DATAPEN1", 6),    dec("TIPPENAL", 6), dec("StopPen", 6), chr("OBS", 240)}},
        {QStringLiteral("Rate"), rateColumns()},
        {QStringLiteral("Chitante"),
         {dec("IDCHIT", 10), dec("IDCON", 10), dec("IDRATA", 10), chr("DOCJUS", 14), dec("DATACHIT", 6),
          dec("NRCHIT", 12), dec("SUMA", 10), dec("PENAL", 10)}},
        {QStringLiteral("PenalIst"), {dec("IDP", 10), dec("DATASTAB", 6), dec("PEZI", 6, 2), dec("PELUNA", 6, 2)}},
        {QStringLiteral("Inflatie"), {dec("IDINF", 10), dec("DATASTAB", 6), dec("VALOARE", 6, 2)}},
        {QStringLiteral("UndoRate"), undo},
    };
}

}  // namespace

const std::vector<TableDef>& permanentTables()
{
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const TableDef* findPermanentTable(QStringView name)
{
    for (const TableDef& t : permanentTables())
        if (name.compare(t.name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

const TableDef& permanentTable(QStringView name)
{
    if (const TableDef* t = findPermanentTable(name))
        return *t;
    throw StoreError(QStringLiteral("Tabela necunoscuta: %1").arg(name));
}

QString TableDef::columnList() const
{
    QStringList names;
    for (const DbfField& f : fields)
        names << f.name;
    return names.join(QStringLiteral(", "));
}

int TableDef::columnIndex(QStringView column) const
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (column.compare(fields[i].name, Qt::CaseInsensitive) == 0)
            return int(i);
    throw StoreError(QStringLiteral("Tabela %1 nu are coloana %2").arg(name, column));
}

QString TableDef::insertStatement() const
{
    const QString placeholders = QStringList(qsizetype(fields.size()), QStringLiteral("?")).join(QStringLiteral(", "));
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(name, columnList(), placeholders);
}

RowValues& RowValues::set(QStringView column, const QVariant& value)
{
    values_[table_.columnIndex(column)] = value;
    return *this;
}

const QStringList& contractTableSet()
{
    static const QStringList set{QStringLiteral("Contract"), QStringLiteral("Rate"), QStringLiteral("Chitante"),
                                 QStringLiteral("UndoRate")};
    return set;
}

QString sqlTypeOf(const DbfField& field)
{
    switch (field.type) {
    case 'C':
        return QStringLiteral("CHAR(%1)").arg(field.length);
    case 'D':
        return QStringLiteral("DATE");
    default:
        return QStringLiteral("DECIMAL(%1,%2)").arg(field.length).arg(field.decimals);
    }
}

DbfField fieldFromSqlType(const QString& name, const QString& sqlType)
{
    static const QRegularExpression charType(QStringLiteral(R"(^\s*(?:CHAR|CHARACTER|VARCHAR)\s*\(\s*(\d+)\s*\)\s*$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression decType(
        QStringLiteral(R"(^\s*(?:DECIMAL|NUMERIC)\s*\(\s*(\d+)\s*(?:,\s*(\d+)\s*)?\)\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression dateType(QStringLiteral(R"(^\s*DATE\s*$)"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression fieldName(QStringLiteral(R"(^[A-Za-z][A-Za-z0-9_]{0,9}$)"));

    if (!fieldName.match(name).hasMatch())
        throw StoreError(
            QStringLiteral("Nume de coloana nepermis: %1 (o litera, apoi litere, cifre sau _, cel mult 10)").arg(name));
    if (auto m = charType.match(sqlType); m.hasMatch()) {
        const int width = m.captured(1).toInt();
        if (width < 1 || width > 254)
            throw StoreError(QStringLiteral("Coloana %1: latimea unui text este intre 1 si 254").arg(name));
        return {name, 'C', width, 0};
    }
    if (auto m = decType.match(sqlType); m.hasMatch()) {
        const int precision = m.captured(1).toInt();
        const int scale = m.captured(2).isEmpty() ? 0 : m.captured(2).toInt();
        if (precision < 1 || precision > 20 || scale > 15 || (scale > 0 && scale > precision - 2))
            throw StoreError(QStringLiteral("Coloana %1: tip numeric nepermis %2").arg(name, sqlType.trimmed()));
        return {name, 'N', precision, scale};
    }
    if (dateType.match(sqlType).hasMatch())
        return {name, 'D', 8, 0};
    throw StoreError(
        QStringLiteral("Coloana %1: tip necunoscut %2 (CHAR(n), DECIMAL(p,s) sau DATE)").arg(name, sqlType.trimmed()));
}

}  // namespace velmar
