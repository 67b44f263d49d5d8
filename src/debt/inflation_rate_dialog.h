// The inflation rate dialog (TAddInfl, "Rata Inflatiei"): the date the yearly rate takes effect and the rate.
#pragma once

#include "debt/rate_edits.h"
#include "widgets/fields_dialog.h"

#include <memory>

namespace Ui {
class InflationRateDialog;
}

namespace velmar {

struct InflationRateRow;

class InflationRateDialog : public FieldsDialog {
    Q_OBJECT
public:
    explicit InflationRateDialog(QWidget* parent = nullptr);
    ~InflationRateDialog() override;

    // The fields of a row to change, before Execute(false).
    void fill(const InflationRateRow& row);
    // Adding starts from today and "0". True once "&Memoreaza" has accepted the values.
    bool Execute(bool adding);
    InflationRateEdit edit() const;

private:
    void Memoreaza();

    std::unique_ptr<::Ui::InflationRateDialog> ui_;
};

}  // namespace velmar
