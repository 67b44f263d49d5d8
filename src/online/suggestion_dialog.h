// The suggestion dialog (TSugestii): a suggestion for the maker with the sender's name, telephone, e-mail
// and locality, checked, sent over HTTP, and the outcome told. Made once; the text typed stays until a
// suggestion has gone.
#pragma once

#include "online/http_download.h"
#include "online/suggestion_checks.h"
#include "widgets/fields_dialog.h"

#include <memory>

namespace Ui {
class SuggestionDialog;
}

namespace velmar {

class AppContext;
class Interaction;

class SuggestionDialog : public FieldsDialog {
    Q_OBJECT
public:
    SuggestionDialog(AppContext& app, Interaction& ui, QWidget* parent = nullptr);
    ~SuggestionDialog() override;

    // Fills the contact fields from the remembered values, shows the dialog modally and, once a send was
    // tried, tells its outcome. True when the suggestion went.
    bool Execute();

    bool sendAttempted() const { return attempted_; }
    bool sendSucceeded() const { return succeeded_; }
    void setTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }

private:
    SuggestionFields typed() const;
    void showContact(const SuggestionFields& fields);
    void TrimiteClick();

    std::unique_ptr<::Ui::SuggestionDialog> ui_;
    AppContext& app_;
    Interaction& interaction_;
    std::chrono::milliseconds timeout_ = kDownloadTimeout;
    bool attempted_ = false;
    bool succeeded_ = false;
};

}  // namespace velmar
