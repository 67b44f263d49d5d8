// The "Autentificare" prompt (TForm5): one masked field, "&Verifica" and "&Inchide".
#pragma once

#include "admin/admin_login.h"

#include <QDialog>
#include <memory>

namespace Ui {
class PasswordDialog;
}

namespace velmar {

class PasswordDialog : public QDialog, public PasswordPrompt {
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget* parent = nullptr);
    ~PasswordDialog() override;

    // Empties the field, shows the dialog and waits: the typed text when confirmed.
    std::optional<QString> InputQuery2() override;

private:
    std::unique_ptr<::Ui::PasswordDialog> ui_;
};

}  // namespace velmar
