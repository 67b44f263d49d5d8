// Contract dialog checks.
#include "contracts/contract_validation.h"

#include "contracts/contract_texts.h"
#include "store/dates.h"
#include "store/numeric_limits.h"
#include "store/settings_number.h"
#include "store/sql/database.h"
#include "store/table_schema.h"
#include "store/text_helpers.h"

#include <algorithm>

namespace velmar {

namespace {

constexpr qint64 kScale = 10000;  // numeric boxes keep four decimals

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool allDigits(QStringView text) { return std::all_of(text.begin(), text.end(), isAsciiDigit); }
int digitAt(QStringView text, qsizetype i) { return text[i].unicode() - u'0'; }

// Sum of digit i × weight i over the weights.
int weightedSum(QStringView digits, const char* weights)
{
    int sum = 0;
    for (qsizetype i = 0; weights[i] != '\0'; ++i)
        sum += digitAt(digits, i) * (weights[i] - '0');
    return sum;
}

}  // namespace

bool IsDuplicateNumber(Database& db, const ContractInput& input, EditedContract edited)
{
    QVariantList params{qint64(dayNumber(input.dataCon)), qint64(NumericValue(input.nrCon))};
    if (edited)
        params << *edited;
    const QueryResult found =
        db.select(QStringLiteral("SELECT COUNT(*) FROM Contract WHERE DATACON = ? AND NRCON = ?%1")
                      .arg(edited ? QStringLiteral(" AND IDCON <> ?") : QString()),
                  params);
    return found.rows.front().front().toLongLong() > 0;
}

bool ValidateCnp(const QString& text)
{
    if (text.size() != 13 || !allDigits(text) || !QStringView(u"12569").contains(text[0]))
        return false;
    const int century = digitAt(text, 0) <= 2 ? 1900 : 2000;
    if (!QDate::isValid(century + text.mid(1, 2).toInt(), text.mid(3, 2).toInt(), text.mid(5, 2).toInt()))
        return false;
    const int r = weightedSum(text, "279146358279") % 11;
    return (r == 10 ? 1 : r) == digitAt(text, 12);
}

bool ValidateCui(const QString& text)
{
    QString code = text.toUpper();
    code.remove(u' ');
    if (code.size() < 3)
        return false;
    const auto firstDigit = std::find_if(code.cbegin(), code.cend(), isAsciiDigit);
    code.remove(0, firstDigit - code.cbegin());
    if (!allDigits(code) || code.size() < 3 || code.size() > 10)
        return false;
    code = code.rightJustified(10, u'0');
    return weightedSum(code, "753217532") * 10 % 11 % 10 == digitAt(code, 9);
}

double NumericValue(const QString& text) { return double(numberValue(text)) / kScale; }

QString NormaliseNumber(const QString& text)
{
    // Built from the scaled whole number, so no binary fraction can add digits.
    const qint64 scaled = numberValue(text);
    const quint64 magnitude = scaled < 0 ? 0 - quint64(scaled) : quint64(scaled);
    QString normalised = QString::number(magnitude / kScale);
    if (const quint64 fraction = magnitude % kScale) {
        QString decimals = QString::number(fraction).rightJustified(4, u'0');
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        normalised += u'.' + decimals;
    }
    return scaled < 0 ? u'-' + normalised : normalised;
}

ContractCheck ValidateContract(Database& db, const ContractInput& typed, EditedContract edited)
{
    namespace texts = contract_texts;
    ContractCheck check{typed, {}, {}};
    ContractInput& in = check.input;
    const auto refuse = [&check](const QString& message, const QString& control) {
        check.message = message;
        check.control = control;
        return check;
    };
    if (NumericValue(in.nrCon) < 1)
        return refuse(texts::kBadNumber, QStringLiteral("NrCon"));
    if (dayNumber(in.dataPen1) <= dayNumber(in.dataCon))
        return refuse(texts::kBadContractDate, QStringLiteral("DataCon"));
    if (NumericValue(in.nrRate) < 1)
        return refuse(texts::kBadDuration, QStringLiteral("NrRate"));
    for (QString* number : {&in.suprafT, &in.rata, &in.nrRate})
        *number = NormaliseNumber(*number);
    for (QString* text : {&in.nume, &in.cnp, &in.rol, &in.adresa, &in.loc})
        *text = CleanText(*text);
    if (in.nume.size() < 3)
        return refuse(texts::kBadName, QStringLiteral("Nume"));
    if (!in.cnp.isEmpty() && !ValidateCnp(in.cnp) && !ValidateCui(in.cnp))
        return refuse(texts::kBadCode, QStringLiteral("CNP"));
    if (dayNumber(in.dataPen1) <= dayNumber(in.dataRata1))
        return refuse(texts::kBadDates, QStringLiteral("DataPen1"));
    if (NumericValue(in.rata) < 1)
        return refuse(texts::kBadInstallment, QStringLiteral("Rata"));
    // The boxes hold typing to their columns, but a value with decimals may still round past a whole-number
    // column: refused here, at its box, rather than by the store after the dialog closed.
    const struct {
        const QString& text;
        const char* column;
        const char* control;
    } stored[] = {{in.nrCon, "NRCON", "NrCon"},
                  {in.nrRate, "NRRATE", "NrRate"},
                  {in.suprafT, "SUPRAFT", "SuprafT"},
                  {in.rata, "RATA", "Rata"}};
    for (const auto& value : stored)
        if (!fitsColumn(NumericValue(value.text), permanentTable(u"Contract").field(QString::fromLatin1(value.column))))
            return refuse(texts::kValueTooLarge, QString::fromLatin1(value.control));
    if (IsDuplicateNumber(db, in, edited))
        return refuse(texts::kDuplicateNumber, QStringLiteral("NrCon"));
    return check;
}

}  // namespace velmar
