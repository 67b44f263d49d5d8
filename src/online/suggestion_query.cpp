// Building the suggestion's query.
#include "online/suggestion_query.h"

#include "store/codepage.h"
#include "store/text_helpers.h"

namespace velmar {
namespace {

bool passesUnescaped(char byte)
{
    return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9') ||
        byte == '-' || byte == '.' || byte == '_' || byte == '~' || byte == ' ';
}

QString escaped(const QByteArray& bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString text;
    for (const char byte : bytes) {
        if (passesUnescaped(byte)) {
            text.append(QLatin1Char(byte));
        } else {
            const auto value = static_cast<unsigned char>(byte);
            text.append(u'%').append(QLatin1Char(kHex[value >> 4])).append(QLatin1Char(kHex[value & 0xF]));
        }
    }
    return text;
}

}  // namespace

QString QueryValue(const QString& value)
{
    return ReplaceAll(escaped(encodeText(CodePage::Windows1250, CleanText(value))), QStringLiteral(" "),
                      QStringLiteral("+"));
}

QString SuggestionQuery(const SuggestionFields& fields)
{
    QStringList lines;
    for (const QString& line : SuggestionLines(fields.produs))
        lines << QueryValue(line);
    return QStringLiteral("nume=") + QueryValue(QStringLiteral("DORVAN : ") + fields.nume) +
        QStringLiteral("&comuna=") + QueryValue(fields.comuna) + QStringLiteral("&telefon_fax=") +
        QueryValue(fields.telefonFax) + QStringLiteral("&mail=") + QueryValue(fields.mail) +
        QStringLiteral("&produs=") + lines.join(QStringLiteral("%0D%0A"));
}

QUrl SuggestionUrl(const QString& host, const QString& query)
{
    return QUrl::fromEncoded((QStringLiteral("http://") + host + QStringLiteral("/sugestii.php?") + query).toLatin1(),
                             QUrl::StrictMode);
}

}  // namespace velmar
