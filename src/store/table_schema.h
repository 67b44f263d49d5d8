// The declarative description of the permanent tables: written once, used to create them,
// to check them and to declare their columns to the SQL engine.
#pragma once

#include "store/dbf/dbf_field.h"

#include <QStringList>
#include <QVariant>
#include <vector>

namespace velmar {

struct TableDef {
    QString name;                  // also the file's base name: name + ".dbf"
    std::vector<DbfField> fields;  // in creation order

    QString fileName() const { return name + QStringLiteral(".dbf"); }
    // Every column, in creation order, as a statement lists them: "IDCON, IDRATA, ...".
    QString columnList() const;
    // The column's position in `fields`, without regard to case; throws StoreError for a column it lacks.
    int columnIndex(QStringView column) const;
    const DbfField& field(QStringView column) const { return fields[size_t(columnIndex(column))]; }
    // "INSERT INTO name (every column) VALUES (?, ...)": the values go in in columnList's order.
    QString insertStatement() const;
};

// One row of a table, its values set by column name and handed to insertStatement() in the table's
// order; a column left unset stores nothing (a blank field).
class RowValues {
public:
    explicit RowValues(const TableDef& table) : table_(table), values_(table.fields.size()) {}
    RowValues& set(QStringView column, const QVariant& value);
    const QVariantList& values() const { return values_; }

private:
    const TableDef& table_;
    QVariantList values_;
};

// The seven permanent tables in the order they are created: Log, Contract, Rate, Chitante, PenalIst,
// Inflatie, UndoRate.
const std::vector<TableDef>& permanentTables();
const TableDef* findPermanentTable(QStringView name);  // without regard to case
const TableDef& permanentTable(QStringView name);      // throws for an unknown name

// The tables that make a folder a usable database, in their fixed order.
const QStringList& contractTableSet();

// "CHAR(n)", "DECIMAL(p,s)", "DATE" <-> dBase fields.
QString sqlTypeOf(const DbfField& field);
DbfField fieldFromSqlType(const QString& name, const QString& sqlType);  // throws StoreError

}  // namespace velmar
