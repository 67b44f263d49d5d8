// Field encodings of dBase III/IV: C left-aligned text, N right-aligned ASCII number, D "YYYYMMDD".
#include "store/dbf/dbf_value.h"

#include "store/dates.h"
#include "store/rounding.h"
#include "store/store_error.h"

#include <QDate>
#include <charconv>
#include <cmath>
#include <cstring>

namespace velmar {

namespace {

std::string_view trimmed(const char* bytes, int length)
{
    int begin = 0;
    int end = length;
    while (begin < end && (bytes[begin] == ' ' || bytes[begin] == '\0'))
        ++begin;
    while (end > begin && (bytes[end - 1] == ' ' || bytes[end - 1] == '\0'))
        --end;
    return {bytes + begin, size_t(end - begin)};
}

std::string decimalText(std::int64_t scaled, int decimals)
{
    const bool negative = scaled < 0;
    std::string digits =
        std::to_string(negative ? -static_cast<unsigned long long>(scaled) : static_cast<unsigned long long>(scaled));
    if (decimals > 0) {
        if (int(digits.size()) <= decimals)
            digits.insert(0, size_t(decimals + 1 - int(digits.size())), '0');
        digits.insert(digits.size() - size_t(decimals), 1, '.');
    }
    return negative ? "-" + digits : digits;
}

// Whether `scaled` (the value times 10^decimals) is written within the field's width.
bool fitsField(const DbfField& field, std::int64_t scaled)
{
    return int(decimalText(scaled, field.decimals).size()) <= field.length;
}

// A number the field could not write back (wider than the field once rounded to its decimals, decimals past
// what a number can have, beyond 64 bits) reads as empty, as junk does: a record rewritten later must stay
// within its fields.
Cell decodeNumber(const DbfField& field, std::string_view text)
{
    if (text.empty() || text.front() == '*')
        return {};
    if (text.front() == '+')
        text.remove_prefix(1);
    if (field.decimals == 0) {
        std::int64_t whole = 0;
        auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), whole);
        if (ec == std::errc() && end == text.data() + text.size())
            return fitsField(field, whole) ? Cell{whole} : Cell{};
    }
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size())
        return {};
    // Another writer may have put decimals into a whole-number field: they are rounded away.
    const std::optional<std::int64_t> scaled = scaleRoundHalfAway(value, field.decimals);
    if (!scaled || !fitsField(field, *scaled))
        return {};
    if (field.decimals == 0)
        return *scaled;
    return value;
}

Cell decodeDate(std::string_view text)
{
    if (text.size() != 8)
        return {};
    const QDate date = QDate::fromString(QString::fromLatin1(text.data(), 8), QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        return {};
    return date.toString(Qt::ISODate).toStdString();
}

[[noreturn]] void refuse(const QString& tableName, const DbfField& field, const QString& why)
{
    throw StoreError(QStringLiteral("Tabela %1, coloana %2: %3").arg(tableName, field.name, why));
}

std::optional<double> numberFromText(const std::string& text)
{
    const QString t = QString::fromStdString(text).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = t.toDouble(&ok);  // QString::toDouble always reads "." as the separator
    if (!ok)
        return std::nullopt;
    return value;
}

Cell normalizeNumber(const DbfField& field, const Cell& value, const QString& tableName)
{
    std::int64_t scaled = 0;
    double number = 0;
    const auto* whole = std::get_if<std::int64_t>(&value);
    const bool exact = whole && field.decimals == 0;
    // The value as the user would read it, made only for a refusal.
    const auto shown = [&] { return exact ? QString::number(*whole) : formatNumber(number); };
    if (exact) {
        scaled = *whole;
    } else {
        if (whole)
            number = double(*whole);
        else if (const auto* d = std::get_if<double>(&value))
            number = *d;
        else if (const auto* text = std::get_if<std::string>(&value)) {
            const auto parsed = numberFromText(*text);
            if (!parsed) {
                if (QString::fromStdString(*text).trimmed().isEmpty())
                    return {};
                refuse(tableName, field,
                       QStringLiteral("valoarea \"%1\" nu este un numar").arg(QString::fromStdString(*text)));
            }
            number = *parsed;
        }
        const auto rounded = scaleRoundHalfAway(number, field.decimals);
        if (!rounded)
            refuse(tableName, field, QStringLiteral("valoarea %1 nu poate fi memorata").arg(shown()));
        scaled = *rounded;
    }
    const std::string text = decimalText(scaled, field.decimals);
    if (int(text.size()) > field.length)
        refuse(tableName, field,
               QStringLiteral("valoarea %1 nu incape in coloana (N %2,%3)")
                   .arg(shown())
                   .arg(field.length)
                   .arg(field.decimals));
    if (field.decimals == 0)
        return scaled;
    return std::strtod(text.c_str(), nullptr);
}

Cell normalizeText(const DbfField& field, const Cell& value, CodePage codePage)
{
    QString text;
    if (const auto* s = std::get_if<std::string>(&value))
        text = QString::fromStdString(*s);
    else if (const auto* w = std::get_if<std::int64_t>(&value))
        text = QString::number(*w);
    else if (const auto* d = std::get_if<double>(&value))
        text = formatNumber(*d);
    QByteArray bytes = encodeText(codePage, text).left(field.length);
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return decodeText(codePage, std::string_view(bytes.constData(), size_t(bytes.size()))).toStdString();
}

Cell normalizeDate(const DbfField& field, const Cell& value, const QString& tableName)
{
    QDate date;
    if (const auto* w = std::get_if<std::int64_t>(&value))
        date = dateFromDayNumber(*w);
    else if (const auto* s = std::get_if<std::string>(&value)) {
        const QString text = QString::fromStdString(*s).trimmed();
        if (text.isEmpty())
            return {};
        if (auto parsed = parseDate(text))
            date = *parsed;
        else if (text.size() == 10)
            date = QDate::fromString(text, Qt::ISODate);
        else if (text.size() == 8)
            date = QDate::fromString(text, QStringLiteral("yyyyMMdd"));
        if (!date.isValid())
            refuse(tableName, field, QStringLiteral("\"%1\" nu este o data valida").arg(text));
    } else if (std::holds_alternative<double>(value)) {
        date = dateFromDayNumber(qint64(std::get<double>(value)));
    }
    if (!date.isValid() || date.year() < 1 || date.year() > 9999)
        refuse(tableName, field, QStringLiteral("data nu este valida"));
    return date.toString(Qt::ISODate).toStdString();
}

}  // namespace

Cell decodeField(const DbfField& field, const char* bytes, CodePage codePage)
{
    switch (field.type) {
    case 'N':
        return decodeNumber(field, trimmed(bytes, field.length));
    case 'D':
        return decodeDate(trimmed(bytes, field.length));
    default: {
        int end = field.length;
        while (end > 0 && (bytes[end - 1] == ' ' || bytes[end - 1] == '\0'))
            --end;
        return decodeText(codePage, std::string_view(bytes, size_t(end))).toStdString();
    }
    }
}

void encodeField(const DbfField& field, const Cell& cell, CodePage codePage, char* out)
{
    std::memset(out, ' ', size_t(field.length));
    if (std::holds_alternative<std::monostate>(cell))
        return;
    switch (field.type) {
    case 'N': {
        const std::int64_t scaled = std::holds_alternative<std::int64_t>(cell)
            ? std::get<std::int64_t>(cell)
            : *scaleRoundHalfAway(std::get<double>(cell), field.decimals);
        const std::string text = decimalText(scaled, field.decimals);
        std::memcpy(out + field.length - int(text.size()), text.data(), text.size());
        return;
    }
    case 'D': {
        const std::string& iso = std::get<std::string>(cell);  // YYYY-MM-DD
        const std::string compact = iso.substr(0, 4) + iso.substr(5, 2) + iso.substr(8, 2);
        std::memcpy(out, compact.data(), 8);
        return;
    }
    default: {
        const QByteArray bytes = encodeText(codePage, QString::fromStdString(std::get<std::string>(cell)));
        std::memcpy(out, bytes.constData(), size_t(std::min<qsizetype>(bytes.size(), field.length)));
        return;
    }
    }
}

Cell normalizeForField(const DbfField& field, const Cell& value, CodePage codePage, const QString& tableName)
{
    if (std::holds_alternative<std::monostate>(value))
        return {};
    switch (field.type) {
    case 'N':
        return normalizeNumber(field, value, tableName);
    case 'D':
        return normalizeDate(field, value, tableName);
    default:
        return normalizeText(field, value, codePage);
    }
}

}  // namespace velmar
