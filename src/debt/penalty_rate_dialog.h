// The penalty rate dialog (TAddPenal, "Penalitati"): the date from which the rates apply and the two rates.
#pragma once

#include "debt/rate_edits.h"
#include "widgets/fields_dialog.h"

#include <memory>

namespace Ui {
class PenaltyRateDialog;
}

namespace velmar {

struct PenaltyRateRow;

class PenaltyRateDialog : public FieldsDialog {
    Q_OBJECT
public:
    explicit PenaltyRateDialog(QWidget* parent = nullptr);
    ~PenaltyRateDialog() override;

    // The fields of a row to change, before Execute(false).
    void fill(const PenaltyRateRow& row);
    // Adding starts from today and "0" in both rates. True once "&Memoreaza" has accepted the values.
    bool Execute(bool adding);
    PenaltyRateEdit edit() const;

private:
    void Memoreaza();

    std::unique_ptr<::Ui::PenaltyRateDialog> ui_;
};

}  // namespace velmar
