// The problems the integrity check reports, in the words IT staff read them.
#pragma once

#include <QString>

namespace velmar::integrity_texts {

inline QString tableMissing(const QString& table) { return QStringLiteral("Tabela %1 lipseste.").arg(table); }
inline QString tableUnreadable(const QString& table, const QString& reason)
{
    return QStringLiteral("Tabela %1 nu poate fi citita: %2").arg(table, reason);
}
inline QString columnMissing(const QString& table, const QString& column)
{
    return QStringLiteral("Tabela %1 nu are coloana %2.").arg(table, column);
}
inline QString columnOfOtherType(const QString& table, const QString& column, QChar found, QChar expected)
{
    return QStringLiteral("Coloana %1.%2 este de tipul %3 in loc de %4.").arg(table, column, found, expected);
}
inline QString duplicateId(const QString& table, const QString& key, qint64 value, qint64 count)
{
    return QStringLiteral("Tabela %1: %2 = %3 apare de %4 ori.").arg(table, key).arg(value).arg(count);
}
inline QString counterBehind(const QString& key, qint64 counter, const QString& table, qint64 highest)
{
    return QStringLiteral("Contorul %1 (%2) nu este mai mare decat cel mai mare %1 din %3 (%4).")
        .arg(key)
        .arg(counter)
        .arg(table)
        .arg(highest);
}
inline QString paidDiffers(qint64 idrata, qint64 achitat, qint64 payments)
{
    return QStringLiteral("Rata %1: ACHITAT = %2, dar incasarile ei insumeaza %3.")
        .arg(idrata)
        .arg(achitat)
        .arg(payments);
}
inline QString installmentWithoutContract(qint64 idrata, qint64 idcon)
{
    return QStringLiteral("Rata %1 apartine contractului %2, care nu exista.").arg(idrata).arg(idcon);
}
inline QString paymentWithoutContract(qint64 idchit, qint64 idcon)
{
    return QStringLiteral("Incasarea %1 apartine contractului %2, care nu exista.").arg(idchit).arg(idcon);
}
inline QString paymentWithoutInstallment(qint64 idchit, qint64 idrata)
{
    return QStringLiteral("Incasarea %1 este pe rata %2, care nu exista la contractul ei.").arg(idchit).arg(idrata);
}
inline QString orphanSnapshot(qint64 idchit)
{
    return QStringLiteral("UndoRate pastreaza ratele de dinaintea incasarii %1, care nu exista.").arg(idchit);
}
inline QString counterRepaired(const QString& key, qint64 value)
{
    return QStringLiteral("Contorul %1 a fost adus la %2.").arg(key).arg(value);
}
inline QString folderWritableByAnyone(const QString& folder)
{
    return QStringLiteral("Folderul de date %1 poate fi modificat de orice utilizator al calculatorului.").arg(folder);
}
inline QString folderOfAnotherUser(const QString& folder, const QString& owner)
{
    return QStringLiteral("Folderul de date %1 apartine altui utilizator (%2).").arg(folder, owner);
}
inline const QString kExposedFolderCaption = QStringLiteral("Atentie");
inline const QString kNoProblem = QStringLiteral("Nicio problema gasita.");

}  // namespace velmar::integrity_texts
