// The message dialog (TErori): a question, warning, information or error, answered with one of up to four buttons.
#pragma once

#include "app/interaction.h"

#include <QDialog>
#include <array>
#include <memory>

class QPushButton;

namespace Ui {
class MessageDialog;
}

namespace velmar {

class MessageDialog : public QDialog {
    Q_OBJECT
public:
    explicit MessageDialog(QWidget* parent = nullptr);
    ~MessageDialog() override;

    // Shows the dialog modally; returns the MessageResult of the button pressed, Cancel for Esc, the
    // title-bar button or an empty button set (then nothing is shown).
    int Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind);

    // Esc and the title-bar button answer Cancel rather than QDialog's 0.
    void reject() override;

private:
    void showKind(MessageKind kind);
    int placeButtons(int buttons);

    std::unique_ptr<::Ui::MessageDialog> ui_;
    std::array<QPushButton*, 4> buttons_{};  // in the order of messageButtons()
};

}  // namespace velmar
