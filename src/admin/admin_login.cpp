// The administrator login.
#include "admin/admin_login.h"

#include "admin/admin_texts.h"
#include "admin/password_code.h"
#include "app/interaction.h"
#include "store/settings.h"

namespace velmar {

namespace {
QString storedPassword(Settings& settings)
{
    return settings.ReadSetting(QStringLiteral("INIT"), QStringLiteral("WIN"));
}
}  // namespace

LoginOutcome AdministratorLogin(bool& administrator, Settings& settings, Interaction& ui, PasswordPrompt& prompt)
{
    using namespace admin_texts;
    if (administrator)
        return LoginOutcome::OpenAdministration;
    if (storedPassword(settings).isEmpty()) {
        ui.Mesaj(kNoPasswordCaption, kNoPasswordText, MessageButton::Ok, MessageKind::Warning);
        administrator = true;
        return LoginOutcome::Unlocked;
    }
    const std::optional<QString> typed = prompt.InputQuery2();
    if (!typed)
        return LoginOutcome::Cancelled;
    if (typed->isEmpty()) {
        // Work on contracts opens, as it always has; the administration (and with it the password)
        // stays behind the password.
        ui.Mesaj(kEmptyPasswordCaption, kEmptyPasswordText, MessageButton::Ok, MessageKind::Warning);
        return LoginOutcome::UnlockedForWork;
    }
    if (CodeazaStr(*typed) == storedPassword(settings)) {
        administrator = true;
        return LoginOutcome::Unlocked;
    }
    ui.Mesaj(kWrongPasswordCaption, kWrongPasswordText, MessageButton::Ok, MessageKind::Error);
    return LoginOutcome::WrongPassword;
}

bool administrationNameMissing(Settings& settings)
{
    return settings.ReadSetting(QStringLiteral("CONST"), QStringLiteral("COMUNA")).trimmed().isEmpty();
}

}  // namespace velmar
