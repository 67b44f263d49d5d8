// Opening a print template for editing.
#include "admin/print_templates.h"

#include "app/app_context.h"
#include "platform/document_opener.h"
#include "store/file_lookup.h"
#include "store/settings.h"

#include <QFileInfo>

namespace velmar {

QString templateFileName(PrintTemplate model)
{
    return model == PrintTemplate::Receipt ? QStringLiteral("ModelChitanta.rtf") : QStringLiteral("FisaCalcul.xls");
}

void EditModel(AppContext& app, DocumentOpener& opener, PrintTemplate model)
{
    if (model == PrintTemplate::Receipt)
        app.settings().WriteSetting(QStringLiteral("CONST"), QStringLiteral("EDITAT_CHITANTA"), QStringLiteral("DA"));
    const QString file = findFileAnyCase(app.dataFolder(), templateFileName(model));
    if (!file.isEmpty())
        opener.open(QFileInfo(file).absoluteFilePath());
}

}  // namespace velmar
