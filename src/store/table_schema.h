// The declarative description of the permanent tables: written once, used to create them,
// to check them and to declare their columns to the SQL engine.
#pragma once

#include "store/dbf/dbf_field.h"

#include <QStringList>
#include <vector>

namespace velmar {

struct TableDef {
    QString name;                  // also the file's base name: name + ".dbf"
    std::vector<DbfField> fields;  // in creation order

    QString fileName() const { return name + QStringLiteral(".dbf"); }
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
