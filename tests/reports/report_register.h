// A register made row by row for the payments slip and the debts list: contracts, installments and
// payment rows written as stored, and penalties of 0.1 % a day from 2000 on (1000 lei owed d days cost d lei).
#pragma once

#include "support/program_folder.h"

#include <QString>

namespace velmar::test {

// dd.MM.yyyy -> day number.
qint64 dayOf(const char* text);

struct ContractRowSpec {
    qint64 idcon;
    const char* nume;
    const char* cnp;
    const char* rol = "";
    const char* stopPen = nullptr;  // none: 99999
    const char* activ = "D";
};

struct InstallmentRowSpec {
    qint64 idcon;
    const char* datarata;
    const char* datapen;
    const char* ultima;
    qint64 ratacalc;
    qint64 achitat = 0;
    qint64 penalrest = 0;
};

struct PaymentRowSpec {
    qint64 idcon;
    const char* docjus;
    qint64 nrchit;
    const char* datachit;
    qint64 suma;
    qint64 penal;
    qint64 idchit = 0;  // 0: a payment of its own
    qint64 idrata = 1;
};

class ReportRegister {
public:
    explicit ReportRegister(const QString& today = QStringLiteral("10.12.2026"));

    AppContext& app() { return folder_.app(); }
    Database& db() { return folder_.app().db(); }
    QString home() const { return folder_.home(); }

    void contract(const ContractRowSpec& c);
    qint64 installment(const InstallmentRowSpec& i);  // returns IDRATA
    void payment(const PaymentRowSpec& p);

private:
    ProgramFolder folder_;
    qint64 nextRate_ = 1;
    qint64 nextPayment_ = 1;
};

}  // namespace velmar::test
