// A dialog of fields in which Enter walks to the next field in tab order, as on the clerks' old forms, rather
// than pressing the default button and storing. The buttons take Enter themselves.
#pragma once

#include <QDialog>
#include <utility>
#include <vector>

class QAbstractButton;

namespace velmar {

class FieldsDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // Enter does nothing on `control` (a check box, where walking on would surprise the clerk).
    void keepEnterOn(QWidget* control) { enterStops_.push_back(control); }
    // Enter on `control` presses `button` (the last field of a group that has its own button).
    void enterPresses(QWidget* control, QAbstractButton* button) { enterButtons_.push_back({control, button}); }

    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<QWidget*> enterStops_;
    std::vector<std::pair<QWidget*, QAbstractButton*>> enterButtons_;
};

}  // namespace velmar
