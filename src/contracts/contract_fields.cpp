// Limits of the contract dialog's boxes.
#include "contracts/contract_fields.h"

#include <algorithm>

namespace velmar {

bool fitsNumericBox(const QString& text, NumericBox box)
{
    const qsizetype point = text.indexOf(u'.');
    const QStringView whole = QStringView(text).left(point < 0 ? text.size() : point);
    const QStringView decimals = point < 0 ? QStringView() : QStringView(text).mid(point + 1);
    const auto allDigits = [](QStringView part) {
        return std::all_of(part.begin(), part.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (point >= 0 && box.decimals == 0)
        return false;
    return whole.size() <= box.integerDigits && decimals.size() <= box.decimals && allDigits(whole) && allDigits(decimals);
}

}  // namespace velmar
