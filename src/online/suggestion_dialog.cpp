// The suggestion dialog.
#include "online/suggestion_dialog.h"

#include "app/app_context.h"
#include "app/interaction.h"
#include "online/online_texts.h"
#include "online/suggestion_query.h"
#include "online/suggestion_settings.h"
#include "online/suggestion_submit.h"
#include "ui_suggestion_dialog.h"
#include "widgets/problem_balloon.h"
#include "widgets/run_command.h"
#include "widgets/text_box.h"
#include "widgets/window_placement.h"

#include <utility>

namespace velmar {

SuggestionDialog::SuggestionDialog(AppContext& app, Interaction& ui, QWidget* parent)
    : FieldsDialog(parent), ui_(std::make_unique<::Ui::SuggestionDialog>()), app_(app), interaction_(ui)
{
    ui_->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    for (auto [box, limits] : {std::pair{ui_->nume, kSuggestionNumeBox},
                               {ui_->telefon_fax, kSuggestionTelefonFaxBox},
                               {ui_->mail, kSuggestionMailBox},
                               {ui_->comuna, kSuggestionComunaBox}})
        limitTextBox(box, limits.maxLength, limits.upperCase);
    connect(ui_->TrimiteBut, &QPushButton::clicked, this, &SuggestionDialog::TrimiteClick);
    connect(ui_->RenuntBut, &QPushButton::clicked, this, &QDialog::reject);
}

SuggestionDialog::~SuggestionDialog() = default;

bool SuggestionDialog::Execute()
{
    // After a send that failed, everything typed stays for the next attempt; otherwise the contact
    // fields start from what was last sent.
    const bool retrying = attempted_ && !succeeded_;
    attempted_ = false;
    succeeded_ = false;
    if (!retrying && !runCommand(interaction_, online_texts::kDialogCaption, [this] {
            showContact(RememberedSuggestionFields(app_.settings()));
        }))
        return false;
    centreOnFirstShow(this);
    ui_->nume->setFocus();
    exec();
    if (!attempted_)
        return false;
    if (!succeeded_) {
        interaction_.Mesaj(online_texts::kOutcomeCaption, online_texts::kNotSent, MessageButton::Ok,
                           MessageKind::Error);
        return false;
    }
    runCommand(interaction_, online_texts::kDialogCaption,
               [this] { RememberSuggestionFields(app_.settings(), typed()); });
    ui_->produs->clear();
    interaction_.Mesaj(online_texts::kOutcomeCaption, online_texts::kSent, MessageButton::Ok, MessageKind::Information);
    return true;
}

SuggestionFields SuggestionDialog::typed() const
{
    return {ui_->nume->text(), ui_->telefon_fax->text(), ui_->mail->text(), ui_->comuna->text(),
            ui_->produs->toPlainText()};
}

void SuggestionDialog::showContact(const SuggestionFields& fields)
{
    ui_->nume->setText(fields.nume);
    ui_->telefon_fax->setText(fields.telefonFax);
    ui_->mail->setText(fields.mail);
    ui_->comuna->setText(fields.comuna);
}

void SuggestionDialog::TrimiteClick()
{
    runCommand(interaction_, online_texts::kDialogCaption, [this] {
        SuggestionFields fields = typed();
        const auto problem = CheckSuggestion(fields);
        ui_->nume->setText(fields.nume);
        ui_->telefon_fax->setText(fields.telefonFax);
        if (problem) {
            ShowProblem(problem->text, findChild<QWidget*>(problem->control));
            return;
        }
        const QUrl url = SuggestionUrl(SuggestionEndpoint(app_.settings()), SuggestionQuery(fields));
        attempted_ = true;
        succeeded_ = SendSuggestion(url, app_.programFolder(), interaction_.counter(), timeout_);
        accept();
    });
}

}  // namespace velmar
