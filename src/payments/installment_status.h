// One contract's installments as owed at a calculation date: what is left of each, the penalty carried
// from earlier settlements and the one accrued since, and the totals shown under the details lists.
#pragma once

#include <QtGlobal>
#include <vector>

namespace velmar {

class Database;
class RateTables;

struct InstallmentStatus {
    qint64 idrata = 0;
    qint64 nrrata = 0;
    qint64 datarata = 0;  // day numbers here and in the next two
    qint64 datapen = 0;
    qint64 ultima = 0;
    qint64 rataini = 0;
    qint64 ratacalc = 0;
    qint64 achitat = 0;
    qint64 penalrest = 0;
    qint64 restanta = 0;   // RATACALC - ACHITAT; negative when more was paid than the indexed amount
    qint64 penalcur = 0;   // accrued from ULTIMA - 1 to the calculation date, whole lei
    qint64 penaltot = 0;   // PENALREST + PENALCUR
    qint64 deachitat = 0;  // PENALTOT + RESTANTA
};

struct StatusTotals {
    qint64 restanta = 0;
    qint64 penalitati = 0;  // sum of PENALTOT
    qint64 dePlata() const { return restanta + penalitati; }
};

struct ContractStatus {
    std::vector<InstallmentStatus> installments;  // by NRRATA
    StatusTotals totals;
};

enum class InstallmentScope {
    DueByDate,  // imposed by the calculation date (DATARATA <= it): what the details window lists
    All,        // future installments too: what a payment may settle
};

// One selection of the contract's installments. The penalties come from the rates as last loaded: call
// RateTables::LoadPenaltyRates once before a batch of these.
ContractStatus LoadContractStatus(Database& db, const RateTables& rates, qint64 idcon, qint64 stopPen, qint64 calcDay,
                                  InstallmentScope scope = InstallmentScope::DueByDate);

// The most "Adauga incasare" may collect: everything owed over all installments, penalties to calcDay.
qint64 MaximumCollectable(Database& db, const RateTables& rates, qint64 idcon, qint64 stopPen, qint64 calcDay);

}  // namespace velmar
