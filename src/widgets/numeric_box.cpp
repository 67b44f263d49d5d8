// Numeric boxes and the limits of their columns.
#include "widgets/numeric_box.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace velmar {

void limitNumericBox(QLineEdit* box, NumericLimits limits)
{
    QString pattern = QStringLiteral("[0-9]{0,%1}").arg(limits.integerDigits);
    if (limits.decimals > 0)
        pattern += QStringLiteral("(\\.[0-9]{0,%1})?").arg(limits.decimals);
    if (limits.signAllowed)
        pattern.prepend(QStringLiteral("-?"));
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), box));
}

}  // namespace velmar
