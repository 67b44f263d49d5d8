// The dBase files read back into native tables.
#include "bench/native_copy.h"

#include "bench/statements.h"
#include "store/dbf/dbf_table.h"
#include "store/file_lookup.h"
#include "store/table_schema.h"

namespace velmar::bench {

// Reading the files back rather than generating twice: the native side gets what the files hold,
// after width cuts and rounding, not what the generator meant.
void copyTablesToNative(const QString& dataFolder, NativeDb& target)
{
    target.run(QStringLiteral("BEGIN"));
    for (const TableDef& def : permanentTables()) {
        const QString path = findFileAnyCase(dataFolder, def.fileName());
        if (path.isEmpty())
            continue;
        const DbfTable table = DbfTable::load(path);
        target.run(createTableStatement(def));
        NativeStatement insert(target, insertStatement(def));
        std::vector<Cell> row(table.fields().size());
        for (size_t r = 0; r < table.rowCount(); ++r) {
            if (table.isDeleted(r))
                continue;
            for (size_t c = 0; c < row.size(); ++c)
                row[c] = table.cell(r, int(c));
            insert.bind(parametersOf(row));
            insert.step();
        }
    }
    target.run(QStringLiteral("COMMIT"));
}

}  // namespace velmar::bench
