// Work tables: a held name in TEMP, one write of the whole file, SQL access, removal.
#include "store/sql/work_table.h"

#include "store/clock.h"
#include "store/codepage.h"
#include "store/dbf/dbf_table.h"
#include "store/sql/database.h"
#include "store/store_error.h"

#include <QFile>
#include <QFileInfo>

namespace velmar {

WorkTable::WorkTable(Database& db, const QString& prefix, std::vector<DbfField> fields)
    : db_(db), file_(TempFileName(prefix, QStringLiteral(".dbf"))), fields_(std::move(fields))
{
    if (file_.isNull())
        throw StoreError(QStringLiteral("Nu gasesc un nume liber pentru tabela de lucru %1<n>.dbf").arg(prefix));
    sqlName_ = QFileInfo(file_.path()).completeBaseName();
}

WorkTable::~WorkTable()
{
    db_.detach(sqlName_);
    QFile::remove(file_.path());
}

void WorkTable::store(const std::vector<std::vector<Cell>>& rows)
{
    if (db_.hasTable(sqlName_))
        throw StoreError(QStringLiteral("Tabela de lucru %1 a fost deja scrisa").arg(sqlName_));
    DbfTable table = DbfTable::create(file_.path(), fields_, languageDriverFor(CodePage::Windows1250));
    for (const std::vector<Cell>& values : rows) {
        const size_t row = table.appendRow();
        for (size_t column = 0; column < fields_.size(); ++column)
            table.set(row, int(column), table.normalized(int(column), values[column]));
    }
    table.save(today(), Durability::Cached);
    db_.attach(sqlName_, file_.path());
}

}  // namespace velmar
