// Adding, modifying and deleting a contract. Each is one transaction: its rows, its schedule, the
// re-indexing and the log entry land together or not at all.
#pragma once

#include <QtGlobal>

namespace velmar {

class AppContext;
class Interaction;
class ProgressCounter;
struct ContractInput;

// Stores a contract from dialog values that passed ValidateContract (as it returned them), with its
// schedule indexed for inflation and the log entry. Returns the new IDCON.
qint64 AddContract(AppContext& app, const ContractInput& input, ProgressCounter& counter);

// Stores the dialog's values into contract `idcon` (validated with its IDCON as the edited one). Once the
// contract has payments the user is warned that its installment terms stay as they are, and anything but
// Yes writes nothing; without payments its schedule is generated again. Returns whether it was changed.
bool ModifyContract(AppContext& app, qint64 idcon, const ContractInput& input, Interaction& ui,
                    ProgressCounter& counter);

// Removes the contract with its installments and payments, leaving the snapshots that undo payments.
// The question before it is the caller's (contract_texts::kDeleteQuestion).
void DeleteContract(AppContext& app, qint64 idcon);

}  // namespace velmar
