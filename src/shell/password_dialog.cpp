// The password prompt.
#include "shell/password_dialog.h"

#include "ui_password_dialog.h"

namespace velmar {

PasswordDialog::PasswordDialog(QWidget* parent) : QDialog(parent), ui_(std::make_unique<::Ui::PasswordDialog>())
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    ui_->Parola->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));  // a "*" per character
    connect(ui_->VerificaBut, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->InchideBut, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->Parola, &QLineEdit::returnPressed, this, &QDialog::accept);
}

PasswordDialog::~PasswordDialog() = default;

std::optional<QString> PasswordDialog::InputQuery2()
{
    ui_->Parola->clear();
    ui_->Parola->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return ui_->Parola->text();
}

}  // namespace velmar
