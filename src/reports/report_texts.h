// Messages of the report machinery.
#pragma once

#include <QString>

namespace velmar::report_texts {

inline QString templateMissing(const QString& path)
{
    return QStringLiteral("Sablonul %1 nu exista; raportul nu poate fi facut.").arg(path);
}
inline QString noTemplateOpen()
{
    return QStringLiteral("Niciun sablon de raport nu este deschis.");
}
inline QString cannotShow(const QString& path)
{
    return QStringLiteral("Raportul a fost salvat in %1, dar nu poate fi deschis.").arg(path);
}

inline QString fileUnreadable(const QString& file)
{
    return QStringLiteral("Fisierul %1 nu poate fi citit.").arg(file);
}
inline QString csvNotUtf8(const QString& file)
{
    return QStringLiteral("Fisierul %1 nu este text UTF-8.").arg(file);
}
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
    return QStringLiteral("Fisierul %1, linia %2: %3 valori in loc de %4.").arg(file).arg(line).arg(count).arg(expected);
}

}  // namespace velmar::report_texts
