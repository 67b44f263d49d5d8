// The contract dialog (TAddCon): a contract's terms and holder, new or changed, checked before the caller stores them.
#pragma once

#include "contracts/contract_input.h"
#include "contracts/contract_validation.h"
#include "widgets/fields_dialog.h"

#include <memory>

namespace Ui {
class ContractDialog;
}

namespace velmar {

class AppContext;
class Interaction;

class ContractDialog : public FieldsDialog {
    Q_OBJECT
public:
    // Storage errors of the checks are reported through `ui`.
    ContractDialog(AppContext& app, Interaction& ui, QWidget* parent = nullptr);
    ~ContractDialog() override;

    // Puts a stored contract's values into the fields before Execute with its IDCON. A null stop date
    // leaves the StopPen date as it was.
    void fill(const ContractInput& values);

    // kNewContract: a new contract, every field at its start value. An IDCON: the contract as fill() left
    // it. Shows the dialog modally; true once "&Memoreaza" has accepted the values.
    bool Execute(EditedContract edited);
    // Shows the dialog again on the same contract with every value the clerk last typed: the store refused
    // them after the dialog closed (a number another workstation took meanwhile, a storage error).
    bool ExecuteAgain();

    // The values as the checks accepted them (normalised numbers, cleaned texts).
    const ContractInput& input() const { return accepted_; }

private:
    ContractInput typed() const;
    void Memoreaza();
    void StopPenCClick();

    std::unique_ptr<::Ui::ContractDialog> ui_;
    AppContext& app_;
    Interaction& interaction_;
    EditedContract edited_ = kNewContract;
    ContractInput accepted_;
};

}  // namespace velmar
