// Rate fields.
#include "debt/rate_box.h"

#include "debt/rate_edits.h"
#include "store/numeric_limits.h"
#include "store/store_error.h"
#include "widgets/numeric_box.h"
#include "widgets/problem_balloon.h"

#include <QLineEdit>

namespace velmar {

void limitRateBox(QLineEdit* box, bool negativeAllowed)
{
    // The box takes 3 digits after a minus too; that the column then holds 2 is told at "&Memoreaza".
    NumericLimits limits = numericLimitsOf(u"PenalIst", u"PEZI");
    limits.signAllowed = negativeAllowed;
    limitNumericBox(box, limits);
}

bool settleRateBox(QLineEdit* box, bool negativeAllowed)
{
    try {
        box->setText(RateText(box->text(), negativeAllowed));
        return true;
    } catch (const StoreError& refused) {
        ShowProblem(refused.message(), box);
        box->setFocus();
        return false;
    }
}

}  // namespace velmar
