// The carried files of the data folder, in the order start-up writes them.
#include "session/carried_files.h"

#include "payments/receipt_template.h"
#include "store/file_lookup.h"
#include "store/folders.h"
#include "xls/template_builder.h"

#include <QDir>

namespace velmar {

namespace {

struct CarriedFile {
    const char* name;
    QByteArray (*content)();
};

const CarriedFile kCarriedFiles[] = {
    {"ModelChitanta.rtf", BuildReceiptTemplate},
    {"Incas.xls", [] { return xls::BuildCarriedTemplate(xls::CarriedTemplate::Incas); }},
    {"Datorii.xls", [] { return xls::BuildCarriedTemplate(xls::CarriedTemplate::Datorii); }},
    {"FisaCalcul.xls", [] { return xls::BuildCarriedTemplate(xls::CarriedTemplate::FisaCalcul); }},
};

}  // namespace

QStringList WriteCarriedFiles(const QString& dataFolder)
{
    QStringList written;
    for (const CarriedFile& file : kCarriedFiles) {
        const QString name = QString::fromLatin1(file.name);
        if (!findFileAnyCase(dataFolder, name).isEmpty())
            continue;
        WriteFileAtomically(QDir(dataFolder).filePath(name), file.content());
        written << name;
    }
    return written;
}

}  // namespace velmar
