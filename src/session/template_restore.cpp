// Restoring a print template.
#include "session/template_restore.h"

#include "admin/admin_texts.h"
#include "app/app_context.h"
#include "app/interaction.h"
#include "session/carried_files.h"
#include "store/file_lookup.h"
#include "store/settings.h"
#include "store/store_error.h"

#include <QDir>
#include <QFile>

namespace velmar {

void RestoreInitialModel(AppContext& app, Interaction& ui, PrintTemplate model)
{
    using namespace admin_texts;
    const QString old = findFileAnyCase(app.dataFolder(), templateFileName(model));
    if (!old.isEmpty() && !QFile::remove(old))
        throw StoreError(cannotDelete(QDir::toNativeSeparators(old)));
    if (model == PrintTemplate::Receipt)
        app.settings().WriteSetting(QStringLiteral("CONST"), QStringLiteral("EDITAT_CHITANTA"), QStringLiteral("NU"));
    WriteCarriedFiles(app.dataFolder());
    ui.Mesaj(kTemplateRestoredCaption, kTemplateRestored, MessageButton::Ok, MessageKind::Information);
}

}  // namespace velmar
