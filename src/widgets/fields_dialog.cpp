// Enter walking the fields of a dialog.
#include "widgets/fields_dialog.h"

#include <QAbstractButton>
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
    const auto pressing = std::find_if(enterButtons_.begin(), enterButtons_.end(),
                                       [&](const auto& entry) { return entry.first == focusWidget(); });
    if (pressing != enterButtons_.end())
        pressing->second->click();
    else if (std::find(enterStops_.begin(), enterStops_.end(), focusWidget()) == enterStops_.end())
        focusNextChild();
}

}  // namespace velmar
