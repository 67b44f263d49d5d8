// Cleaning of typed text and joining of row-filter conditions.
#include "store/text_helpers.h"

namespace velmar {
namespace {

// A blank is a space or any control character, so a pasted tab or line break at either end
// goes too; inside the text only spaces are collapsed.
bool isBlank(QChar c) { return c.unicode() <= u' '; }

QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.sliced(first, last - first);
}

}  // namespace

QString CleanText(const QString& text)
{
    const QString trimmed = trimBlanks(text);
    QString collapsed;
    collapsed.reserve(trimmed.size());
    for (const QChar c : trimmed) {
        if (c == u' ' && collapsed.endsWith(u' '))
            continue;
        collapsed.append(c);
    }
    collapsed.remove(u'"');
    return collapsed;
}

QString WithoutControlCharacters(const QString& text)
{
    QString plain = text;
    for (QChar& c : plain)
        if (c.category() == QChar::Other_Control)
            c = u' ';
    return plain;
}

QString JoinFilter(const QString& conditions)
{
    QString joined = trimBlanks(conditions);
    joined.replace(QStringLiteral(")("), QStringLiteral(") AND ("));
    return joined;
}

}  // namespace velmar
