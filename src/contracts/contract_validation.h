// The checks of the contract dialog's "&Memoreaza": the personal and fiscal code checks, the reading and
// normalising of numeric boxes, and the ten checks in the order the clerk meets their messages.
#pragma once

#include "contracts/contract_input.h"

#include <QString>

#include <optional>

namespace velmar {

class Database;

// The contract a dialog edits: its IDCON, or kNewContract while one is being added.
using EditedContract = std::optional<qint64>;
inline constexpr EditedContract kNewContract = std::nullopt;

// Personal numeric code: 13 digits starting with 1, 2, 5, 6 or 9, a real birth date, the control digit.
bool ValidateCnp(const QString& text);
// Company fiscal code: spaces and a leading non-digit prefix ("RO") ignored, 3 to 10 digits, control digit.
bool ValidateCui(const QString& text);

// Another contract than `edited` with the same number and contract date.
bool IsDuplicateNumber(Database& db, const ContractInput& input, EditedContract edited);

// A numeric box's value: "." decimals, a leading "." read as "0.", text that is not a number as 0; rounded
// to four decimals with halves to even.
double NumericValue(const QString& text);
// That value as its shortest text: "1500.50" -> "1500.5", "12" -> "12", ".5" -> "0.5".
QString NormaliseNumber(const QString& text);

struct ContractCheck {
    ContractInput input;  // normalised and cleaned as far as the checks got, as the dialog then shows it
    QString message;      // empty when every check passed
    QString control;      // the box the message points at: NrCon, DataCon, NrRate, Nume, CNP, DataPen1,
                          // SuprafT or Rata

    bool accepted() const { return message.isEmpty(); }
};

// Runs the checks in order and stops at the first failure. The edited contract's own number and date do not
// count as a duplicate.
ContractCheck ValidateContract(Database& db, const ContractInput& input, EditedContract edited);

}  // namespace velmar
