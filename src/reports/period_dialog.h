// The period dialog of the payments slip (TPerSelRap1): the first and last day and the document type. It is
// made once and keeps what the clerk chose for the next slip of the same run.
#pragma once

#include "reports/payments_slip.h"
#include "widgets/fields_dialog.h"

#include <memory>

namespace Ui {
class PeriodDialog;
}

namespace velmar {

class AppContext;
class Interaction;
class TemplateExporter;

class PeriodDialog : public FieldsDialog {
    Q_OBJECT
public:
    // Starts with the month up to today and every document type.
    PeriodDialog(AppContext& app, Interaction& ui, TemplateExporter& exporter, QWidget* parent = nullptr);
    ~PeriodDialog() override;

    // Shows the dialog with the focus on "de la"; once "&Am ales" accepts the period, makes the slip and
    // shows it. True when the clerk chose a period.
    bool PaymentsSlip();

    SlipPeriod period() const;

private:
    void AmAles();

    std::unique_ptr<::Ui::PeriodDialog> ui_;
    AppContext& app_;
    Interaction& interaction_;
    TemplateExporter& exporter_;
};

}  // namespace velmar
