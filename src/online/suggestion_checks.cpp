// The suggestion's checks.
#include "online/suggestion_checks.h"

#include "online/online_texts.h"
#include "store/text_helpers.h"

#include <QRegularExpression>
#include <algorithm>

namespace velmar {
namespace {

constexpr int kShortestName = 3;
constexpr int kShortestSuggestion = 10;  // characters of the cleaned lines together

bool isAddressChar(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'-' || c == u'.' ||
        c == u'_';
}

bool isAddressPart(QStringView part) { return std::all_of(part.begin(), part.end(), isAddressChar); }

}  // namespace

bool ValidatePhone(const QString& text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= u'0' && c <= u'9')
            digits.append(c);
    static const QStringList prefixes{QStringLiteral("07"), QStringLiteral("03"), QStringLiteral("02"),
                                      QStringLiteral("01")};
    return digits.size() == 10 &&
        std::any_of(prefixes.begin(), prefixes.end(), [&](const QString& p) { return digits.startsWith(p); });
}

bool ValidateEmail(const QString& text)
{
    const qsizetype at = text.indexOf(u'@');
    if (at < 0)
        return false;
    const qsizetype p = at + 1;  // counted from 1
    const qsizetype n = text.size();
    if (p < 4 || p > n - 5)
        return false;
    const QStringView before = QStringView(text).first(at);
    const QStringView after = QStringView(text).sliced(p);
    if (!isAddressPart(before) || !isAddressPart(after))
        return false;
    const qsizetype tail = after.size() - after.indexOf(u'.') - 1;  // no dot: the whole part, never 2 or 3 long
    return tail == 2 || tail == 3;
}

QString ReplaceAll(QString text, const QString& what, const QString& with)
{
    if (what.isEmpty())
        return text;
    return text.replace(what, with);
}

QStringList SuggestionLines(const QString& produs)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = produs.split(lineBreak);
    if (lines.last().isEmpty())  // the break closing the last line, or no text at all
        lines.removeLast();
    for (QString& line : lines)
        line = CleanText(line);
    return lines;
}

std::optional<SuggestionProblem> CheckSuggestion(SuggestionFields& fields)
{
    fields.nume = CleanText(fields.nume);
    if (fields.nume.size() < kShortestName)
        return SuggestionProblem{online_texts::kNameWrong, QStringLiteral("nume")};
    fields.telefonFax = CleanText(fields.telefonFax);
    if (!ValidatePhone(fields.telefonFax))
        return SuggestionProblem{online_texts::kPhoneWrong, QStringLiteral("telefon_fax")};
    if (!ValidateEmail(fields.mail))
        return SuggestionProblem{online_texts::kEmailWrong, QStringLiteral("mail")};
    const QStringList lines = SuggestionLines(fields.produs);
    qsizetype typed = 0;
    for (const QString& line : lines)
        typed += line.size();
    if (typed < kShortestSuggestion)
        return SuggestionProblem{online_texts::kSuggestionTooShort, QStringLiteral("produs")};
    return std::nullopt;
}

}  // namespace velmar
