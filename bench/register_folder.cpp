// Generated rows into dBase files, each value passing the same checks as a value the program stores.
#include "bench/register_folder.h"

#include "store/dbf/dbf_table.h"
#include "store/file_lookup.h"
#include "store/store_error.h"

#include <QDir>
#include <map>

namespace velmar::bench {

namespace {
constexpr std::uint8_t kWindows1250Driver = 0xC8;
}

void writeRegisterFolder(const QString& folder, const RegisterSize& size)
{
    if (!QDir().mkpath(folder))
        throw StoreError(QStringLiteral("Cannot create the folder %1").arg(folder));
    std::map<QString, DbfTable> tables;
    for (const TableDef& def : permanentTables()) {
        if (const QString existing = findFileAnyCase(folder, def.fileName()); !existing.isEmpty())
            throw StoreError(QStringLiteral("%1 already exists: choose a folder without tables").arg(existing));
        tables.emplace(def.name, DbfTable::create(pathAnyCase(folder, def.fileName()), def.fields, kWindows1250Driver));
    }
    generateRegister(size, [&tables](const TableDef& def, std::vector<Cell> cells) {
        DbfTable& table = tables.at(def.name);
        const size_t row = table.appendRow();
        for (size_t c = 0; c < cells.size(); ++c)
            table.set(row, int(c), table.normalized(int(c), cells[c]));
    });
    // Dated on the register's own day, so the same seed gives the same bytes.
    for (auto& [name, table] : tables)
        table.save(registerDate());
}

}  // namespace velmar::bench
