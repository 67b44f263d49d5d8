// The contract list's column table.
#include "contracts/contract_list_columns.h"

#include "contracts/contract_window_texts.h"
#include "store/rounding.h"

namespace velmar {

// The clerks' columns and bands. Date columns show their text and sort by the day number behind it;
// "Suma restanta" does not sort.
const std::vector<GridColumn<ContractRow>>& contractListColumns()
{
    namespace t = contract_window_texts;
    using R = const ContractRow&;
    const QString& contract = t::kContractBand;
    const QString& holder = t::kHolderBand;
    constexpr Emphasis plain = Emphasis::Plain;
    constexpr ValueKind number = ValueKind::Number;
    constexpr ValueKind date = ValueKind::Date;
    static const std::vector<GridColumn<ContractRow>> list{
        {contract, t::kNumberTitle, 6, kNumberAlignment, [](R r) { return numberText(r.nrcon); }, plain, "NRCON",
         number},
        {contract, t::kDateTitle, 10, kCentredAlignment, [](R r) { return dayText(r.datacon); }, plain, "DATACON",
         date},
        {contract, t::kDurationTitle, 3, kNumberAlignment, [](R r) { return numberText(r.nrrate); }, plain, "NRRATE",
         number},
        {contract, t::kOutstandingTitle, 8, kNumberAlignment, [](R r) { return numberText(r.restanta); },
         Emphasis::BoldRed, nullptr, number},
        {contract, t::kActiveTitle, 2, kCentredAlignment, [](R r) { return r.activ; }, plain, "ACTIV"},
        {holder, t::kNameTitle, 24, kTextAlignment, [](R r) { return r.nume; }, plain, "NUME"},
        {holder, t::kRolTitle, 9, kTextAlignment, [](R r) { return r.rol; }, plain, "ROL"},
        {holder, t::kCodeTitle, 13, kTextAlignment, [](R r) { return r.cnp; }, plain, "CNP"},
        {holder, t::kAddressTitle, 26, kTextAlignment, [](R r) { return r.adresa; }, plain, "ADRESA"},
        {holder, t::kLocalityTitle, 16, kTextAlignment, [](R r) { return r.loc; }, plain, "LOC"},
        {holder, t::kCountyTitle, 11, kTextAlignment, [](R r) { return r.jud; }, plain, "JUD"},
        {{},
         t::kSurfaceTitle,
         8,
         kNumberAlignment,
         [](R r) { return formatNumber(r.supraft); },
         plain,
         "SUPRAFT",
         number},
        {{}, t::kInstallmentTitle, 7, kNumberAlignment, [](R r) { return numberText(r.rata); }, plain, "RATA", number},
        {{}, t::kCurrencyTitle, 3, kCentredAlignment, [](R r) { return r.moneda; }, plain, "MONEDA"},
        {{},
         t::kFirstInstallmentTitle,
         10,
         kCentredAlignment,
         [](R r) { return dayText(r.datarata1); },
         plain,
         "DATARATA1",
         date},
        {{},
         t::kStopPenaltiesTitle,
         10,
         kCentredAlignment,
         [](R r) { return stopPenText(r.stopPen); },
         plain,
         "StopPen",
         date},
    };
    return list;
}

QString contractListHeading() { return contract_window_texts::kListHeading; }

}  // namespace velmar
