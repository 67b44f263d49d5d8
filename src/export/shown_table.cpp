// Cells and columns of an exported table.
#include "export/shown_table.h"

#include "store/dates.h"

#include <cmath>

namespace velmar {

namespace {

// "dd.MM.yyyy" exactly as the grids write dates; parsed by hand, a list holds tens of thousands of them.
std::optional<double> dayOfDateText(const QString& text)
{
    if (text.size() != 10 || text[2] != u'.' || text[5] != u'.')
        return std::nullopt;
    const auto digits = [&](int from, int count) {
        int value = 0;
        for (int i = from; i < from + count; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    const QDate date(digits(6, 4), digits(3, 2), digits(0, 2));
    if (!date.isValid())
        return std::nullopt;
    return double(dayNumber(date));
}

// Whole numbers, most of a list's numbers, read by hand; anything else by toDouble.
std::optional<double> wholeNumber(const QString& text)
{
    const qsizetype start = text.startsWith(u'-') ? 1 : 0;
    constexpr qsizetype kExactDigits = 15;
    if (text.size() <= start || text.size() - start > kExactDigits)
        return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = start; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return double(start ? -value : value);
}

}  // namespace

ShownCell shownCell(ValueKind kind, QString text)
{
    if (kind == ValueKind::Number) {
        if (const std::optional<double> whole = wholeNumber(text))
            return {kind, *whole, std::move(text)};
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (ok && std::isfinite(value))
            return {kind, value, std::move(text)};
    } else if (kind == ValueKind::Date) {
        if (const std::optional<double> day = dayOfDateText(text))
            return {kind, *day, std::move(text)};
    }
    return {ValueKind::Text, 0, std::move(text)};
}

std::vector<GridBand> ShownTable::bands() const
{
    std::vector<QString> bandOfColumn;
    for (const ShownColumn& column : columns)
        bandOfColumn.push_back(column.band);
    return bandRuns(bandOfColumn);
}

std::vector<QString> ShownTable::bandRow() const
{
    std::vector<QString> row(columns.size());
    for (const GridBand& band : bands())
        row[size_t(band.first)] = band.title;
    return row;
}

double usualWidthChars(int widthChars, const QString& title) { return std::max<double>(widthChars, title.size()) + 1; }

}  // namespace velmar
