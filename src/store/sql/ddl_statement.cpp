// Recognising CREATE TABLE and ALTER TABLE ... ADD.
#include "store/sql/ddl_statement.h"

#include "store/store_error.h"
#include "store/table_schema.h"

#include <QRegularExpression>

namespace velmar {

namespace {

QString unquoted(QString name)
{
    name = name.trimmed();
    if (name.size() >= 2 && (name.front() == u'"' || name.front() == u'[' || name.front() == u'`'))
        name = name.mid(1, name.size() - 2);
    return name;
}

// Splits "A CHAR(10), B DECIMAL(10,2)" at the commas that are not inside brackets.
QStringList columnTexts(const QString& list)
{
    QStringList parts;
    int depth = 0;
    QString current;
    for (QChar c : list) {
        if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        if (c == u',' && depth == 0) {
            parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    parts << current;
    return parts;
}

DbfField columnOf(const QString& text)
{
    static const QRegularExpression column(QStringLiteral(R"(^\s*("[^"]+"|\w+)\s+(.+?)\s*$)"),
                                           QRegularExpression::DotMatchesEverythingOption);
    const auto m = column.match(text);
    if (!m.hasMatch())
        throw StoreError(QStringLiteral("Descriere de coloana gresita: %1").arg(text.trimmed()));
    return fieldFromSqlType(unquoted(m.captured(1)), m.captured(2));
}

}  // namespace

std::optional<DdlStatement> parseDdl(const QString& sql)
{
    static const QRegularExpression create(QStringLiteral(R"(^\s*CREATE\s+TABLE\s+("[^"]+"|\w+)\s*\((.*)\)\s*;?\s*$)"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression addColumn(
        QStringLiteral(R"(^\s*ALTER\s+TABLE\s+("[^"]+"|\w+)\s+ADD\s+(?:COLUMN\s+)?(.*?)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression anyDdl(QStringLiteral(R"(^\s*(CREATE\s+TABLE|ALTER\s+TABLE)\b)"),
                                           QRegularExpression::CaseInsensitiveOption);

    if (const auto m = create.match(sql); m.hasMatch()) {
        DdlStatement s{DdlStatement::Kind::CreateTable, unquoted(m.captured(1)), {}};
        for (const QString& text : columnTexts(m.captured(2)))
            s.fields.push_back(columnOf(text));
        return s;
    }
    if (const auto m = addColumn.match(sql); m.hasMatch())
        return DdlStatement{DdlStatement::Kind::AddColumn, unquoted(m.captured(1)), {columnOf(m.captured(2))}};
    if (anyDdl.match(sql).hasMatch())
        throw StoreError(QStringLiteral("Instructiune de structura nesuportata: %1").arg(sql.trimmed()));
    return std::nullopt;
}

}  // namespace velmar
