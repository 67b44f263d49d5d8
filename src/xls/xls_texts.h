// Messages of the workbook engine, shown to the user when a workbook cannot be read or written.
#pragma once

#include <QString>

namespace velmar::xls::texts {

inline QString notCompoundFile(const QString& file)
{
    return QStringLiteral("Fisierul %1 nu este un registru de calcul Excel (.xls).").arg(file);
}
inline QString damagedFile(const QString& file)
{
    return QStringLiteral("Fisierul %1 este deteriorat sau incomplet si nu poate fi citit.").arg(file);
}
inline QString notBiff8(const QString& file)
{
    return QStringLiteral("Fisierul %1 nu este un registru Excel 97-2003 (.xls); salvati-l in acest format.").arg(file);
}
inline QString encrypted(const QString& file)
{
    return QStringLiteral("Fisierul %1 este protejat cu parola; scoateti parola si incercati din nou.").arg(file);
}
inline QString cannotRead(const QString& file, const QString& reason)
{
    return QStringLiteral("Fisierul %1 nu poate fi citit: %2").arg(file, reason);
}
inline QString noSuchSheet(int index, const QString& file)
{
    return QStringLiteral("Registrul %2 nu are foaia %1.").arg(index).arg(file);
}
inline QString tooManyRows(const QString& file)
{
    return QStringLiteral("Registrul %1 nu poate avea mai mult de 65536 de randuri.").arg(file);
}
inline QString badSheetName(const QString& name)
{
    return QStringLiteral("Numele de foaie \"%1\" nu este permis intr-un registru Excel 97-2003.").arg(name);
}
inline QString badCell(int row, int column)
{
    return QStringLiteral("Celula (%1, %2) nu exista intr-un registru Excel 97-2003.").arg(row).arg(column);
}
inline QString badFormula(const QString& formula)
{
    return QStringLiteral("Formula \"%1\" nu este inteleasa.").arg(formula);
}

}  // namespace velmar::xls::texts
