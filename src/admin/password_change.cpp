// The password change.
#include "admin/password_change.h"

#include "admin/admin_texts.h"
#include "admin/password_code.h"
#include "app/interaction.h"
#include "store/settings.h"

namespace velmar {

PasswordChange MemoPass(Settings& settings, Interaction& ui, const QString& first, const QString& second)
{
    using namespace admin_texts;
    const QString section = QStringLiteral("INIT");
    const QString key = QStringLiteral("WIN");
    if (first != second) {
        ui.Mesaj(kPasswordCaption, kPasswordsDiffer, MessageButton::Ok, MessageKind::Error);
        return PasswordChange::Different;
    }
    if (!first.isEmpty()) {
        settings.WriteSetting(section, key, CodeazaStr(first));
        ui.Mesaj(kPasswordChangedCaption, kPasswordChanged, MessageButton::Ok, MessageKind::Information);
        return PasswordChange::Changed;
    }
    if (ui.Mesaj(kPasswordCaption, kRemovePasswordQuestion, MessageButton::Yes | MessageButton::No,
                 MessageKind::Warning) != MessageResult::Yes)
        return PasswordChange::Kept;
    settings.WriteSetting(section, key, QString());
    return PasswordChange::Removed;
}

}  // namespace velmar
