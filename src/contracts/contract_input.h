// The contract dialog's values as typed: what a new contract starts from, and what a stored one fills
// the dialog with before a modification.
#pragma once

#include "contracts/contract_texts.h"

#include <QDate>
#include <QString>

namespace velmar {

struct UnitIdentity;
struct ContractRow;

struct ContractInput {
    QString nrCon;  // numeric boxes hold their text
    QDate dataCon;
    QString nrRate = QStringLiteral("0");
    QDate dataRata1;
    QDate dataPen1;
    bool stopPenChecked = false;
    QDate stopPen;  // read only while stopPenChecked
    QString nume;
    QString cnp;
    QString rol;
    QString adresa;
    QString loc;
    QString jud;  // a county name; empty when none is selected
    QString suprafT = QStringLiteral("0");
    QString rata = QStringLiteral("0");
    QString moneda = contract_texts::kCurrency;
    QString tipRata = contract_texts::kPeriod;
    qint64 tipPenal = 0;  // index in the penalty-type list; -1 when none is selected
    QString obs;
};

// A new contract: dated today, penalties from a month later, in the county of the administration.
ContractInput NewContractInput(const UnitIdentity& identity, QDate today);

// A stored contract. A JUD, MONEDA or TIPRATA that its list does not hold selects nothing (empty text);
// with StopPen 99999 the stop option is off and its date null.
ContractInput ContractInputOf(const ContractRow& row);

}  // namespace velmar
