// Start values of the contract dialog.
#include "contracts/contract_input.h"

#include "app/unit_identity.h"
#include "contracts/contract_list.h"
#include "store/counties.h"
#include "store/dates.h"
#include "store/rounding.h"

namespace velmar {

namespace {

// A fixed list's item equal to the stored text; none selected (empty) when the list lacks it.
QString listItem(const QStringList& items, const QString& stored)
{
    return items.contains(stored) ? stored : QString();
}

}  // namespace

ContractInput NewContractInput(const UnitIdentity& identity, QDate today)
{
    ContractInput input;
    input.dataCon = today;
    input.dataRata1 = today;
    input.dataPen1 = AddMonths(today, 1);
    input.stopPen = today;
    input.jud = identity.county();
    return input;
}

ContractInput ContractInputOf(const ContractRow& row)
{
    ContractInput input;
    input.nrCon = QString::number(row.nrcon);
    input.dataCon = dateFromDayNumber(row.datacon);
    input.nrRate = QString::number(row.nrrate);
    input.dataRata1 = dateFromDayNumber(row.datarata1);
    input.dataPen1 = dateFromDayNumber(row.datapen1);
    input.stopPenChecked = row.stopPen != kNoStopDay;
    if (input.stopPenChecked)
        input.stopPen = dateFromDayNumber(row.stopPen);
    input.nume = row.nume;
    input.cnp = row.cnp;
    input.rol = row.rol;
    input.adresa = row.adresa;
    input.loc = row.loc;
    input.jud = listItem(counties(), row.jud);
    input.suprafT = formatNumber(row.supraft);
    input.rata = QString::number(row.rata);
    input.moneda = listItem({contract_texts::kCurrency}, row.moneda);
    input.tipRata = listItem({contract_texts::kPeriod}, row.tiprata);
    input.tipPenal = row.tippenal == 0 ? 0 : -1;  // the penalty-type list has the one item
    input.obs = row.obs;
    return input;
}

}  // namespace velmar
