// The number fields of the two rate dialogs: at most 3 digits before the point and 2 after, a minus sign
// only where the rate may be negative.
#pragma once

class QLineEdit;

namespace velmar {

void limitRateBox(QLineEdit* box, bool negativeAllowed);

// On "&Memoreaza": the box's value as the table takes it, written back into the box as plain decimal text
// ("" becomes "0"); false, with the balloon at the box, when the column cannot hold it.
bool settleRateBox(QLineEdit* box, bool negativeAllowed);

}  // namespace velmar
