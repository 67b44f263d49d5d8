// Length and capitals of a text box.
#include "widgets/text_box.h"

#include <QLineEdit>
#include <QValidator>

namespace velmar {
namespace {

// Capitals as the clerk types: every character comes out upper case.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

}  // namespace

void limitTextBox(QLineEdit* box, int maxLength, bool upperCase)
{
    box->setMaxLength(maxLength);
    if (upperCase)
        box->setValidator(new UpperCaseValidator(box));
}

}  // namespace velmar
