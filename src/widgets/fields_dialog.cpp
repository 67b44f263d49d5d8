// Enter walking the fields of a dialog.
#include "widgets/fields_dialog.h"

#include <QKeyEvent>
#include <algorithm>

namespace velmar {

void FieldsDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (std::find(enterStops_.begin(), enterStops_.end(), focusWidget()) == enterStops_.end())
        focusNextChild();
}

}  // namespace velmar
