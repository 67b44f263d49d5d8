// Messages of the report machinery.
#pragma once

#include <QString>

namespace velmar::report_texts {

inline QString templateMissing(const QString& path)
{
    return QStringLiteral("Sablonul %1 nu exista; raportul nu poate fi facut.").arg(path);
}
inline QString noTemplateOpen() { return QStringLiteral("Niciun sablon de raport nu este deschis."); }
inline QString cannotShow(const QString& path)
{
    return QStringLiteral("Raportul a fost salvat in %1, dar nu poate fi deschis.").arg(path);
}

inline QString fileUnreadable(const QString& file)
{
    return QStringLiteral("Fisierul %1 nu poate fi citit.").arg(file);
}
inline QString csvNotUtf8(const QString& file) { return QStringLiteral("Fisierul %1 nu este text UTF-8.").arg(file); }
inline QString csvBadQuotes(const QString& file, int line)
{
    return QStringLiteral("Fisierul %1, linia %2: ghilimele puse gresit.").arg(file).arg(line);
}
inline QString csvNoHeader(const QString& file)
{
    return QStringLiteral("Fisierul %1 nu are linia de antet cu numele coloanelor.").arg(file);
}
inline QString csvWrongCount(const QString& file, int line, int count, int expected)
{
    return QStringLiteral("Fisierul %1, linia %2: %3 valori in loc de %4.")
        .arg(file)
        .arg(line)
        .arg(count)
        .arg(expected);
}

// A band continued over several sheets.
inline const QString kTotal = QStringLiteral("TOTAL");
inline const QString kGeneralTotal = QStringLiteral("TOTAL GENERAL");

// The payments slip and the debts list.
inline const QString kPaymentsSlipCaption = QStringLiteral("Borderou incasari");
inline const QString kDebtsListCaption = QStringLiteral("Lista Datorii");
inline const QString kChoosePeriod = QStringLiteral("Alegeti perioada pentru care doriti raportul");
inline const QString kAnyDocument = QStringLiteral("* indiferent *");
inline const QString kWrongPeriod = QStringLiteral("Perioada incorecta!");
inline const QString kComputingDebts = QStringLiteral("Calculez restantele...");
inline QString slipPeriod(const QString& from, const QString& to)
{
    return QStringLiteral("in perioada ") + from + QStringLiteral(" - ") + to;
}
inline QString debtsDate(const QString& day) { return QStringLiteral("La data de ") + day; }
inline QString noWorkTableName(const QString& prefix, const QString& folder)
{
    return QStringLiteral("Tabela de lucru nu poate fi creata: numele ") + prefix + QStringLiteral("0.dbf .. ") +
        prefix + QStringLiteral("999.dbf din ") + folder + QStringLiteral(" sunt toate ocupate.");
}

}  // namespace velmar::report_texts
