// Work tables in TEMP.
#include "reports/work_table.h"

#include "reports/report_texts.h"
#include "store/clock.h"
#include "store/codepage.h"
#include "store/dbf/dbf_table.h"
#include "store/folders.h"
#include "store/sql/database.h"
#include "store/store_error.h"

#include <QFile>
#include <QFileInfo>
#include <exception>

namespace velmar {

WorkTable::WorkTable(Database& db, const QString& prefix) : db_(db), file_(TempFileName(prefix, QStringLiteral(".dbf")))
{
    if (file_.isNull())
        throw StoreError(report_texts::noWorkTableName(prefix, tempFolder()));
    sqlName_ = QFileInfo(file_.path()).completeBaseName();
}

WorkTable::~WorkTable()
{
    // Runs while an error may be on its way out: the file goes whatever detaching says.
    try {
        if (attached_)
            db_.detach(sqlName_);
    } catch (const std::exception&) {
    }
    QFile::remove(file_.path());
}

DbfTable WorkTable::create(const std::vector<DbfField>& fields) const
{
    return DbfTable::create(file_.path(), fields, languageDriverFor(CodePage::Windows1250));
}

void WorkTable::attach(DbfTable& rows)
{
    rows.save(today());
    db_.attach(sqlName_, file_.path());
    attached_ = true;
}

}  // namespace velmar
