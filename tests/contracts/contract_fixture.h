// A data folder with the seven tables and the seed rates, and contracts entered as the dialog enters them.
#pragma once

#include "app/app_context.h"
#include "app/progress_counter.h"
#include "contracts/contract_input.h"
#include "print_qstring.h"
#include "store/sql/database.h"
#include "support/program_folder.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace velmar::test {

// "dd.MM.yyyy" -> QDate, for readable cases.
QDate day(const char* text);

// Contract 12 of 15.03.2013 held by NUME TITULAR: 5 yearly installments of 1000 from 15.03.2013,
// penalties from 15.04.2013. Passes every check on an empty register.
ContractInput sampleInput();

struct Installment {
    qint64 idrata;
    qint64 nrrata;
    QString due;          // DATARATA as dd.MM.yyyy
    QString penaltyFrom;  // DATAPEN
    qint64 ultima;
    qint64 initial;      // RATAINI
    qint64 indexed;      // RATACALC
    qint64 paid;         // ACHITAT
    qint64 penaltyLeft;  // PENALREST
};

class ContractFixture {
public:
    AppContext& app() { return folder_.app(); }
    Database& db() { return folder_.app().db(); }
    QString home() const { return folder_.home(); }

    // Validates (as a new contract) and adds; fails the test when a check refuses it.
    qint64 add(const ContractInput& input);
    // One payment row of `amount` on the contract's first installment, as a recorded payment leaves it.
    void pay(qint64 idcon, qint64 amount);
    std::vector<Installment> installments(qint64 idcon);  // by NRRATA
    QStringList logActions();
    QVariantList contractColumns(qint64 idcon, const QString& columns);

    SilentProgressCounter counter;

private:
    ProgramFolder folder_;
    qint64 nextPayment_ = 1;
};

}  // namespace velmar::test
