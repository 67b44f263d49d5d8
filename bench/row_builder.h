// Fills one row of a described table by column name.
#pragma once

#include "store/dbf/dbf_value.h"
#include "store/table_schema.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velmar::bench {

// Generated rows then follow the table's own column list, whatever its order.
class RowBuilder {
public:
    explicit RowBuilder(const TableDef& table);

    const TableDef& table() const { return table_; }
    // `column` spelled as the description spells it; an unknown name throws std::logic_error.
    RowBuilder& set(std::string_view column, Cell value);
    // The cells in column order. Throws std::logic_error when a column was left without a value, so a
    // column added to the description cannot come out empty unnoticed. Clears the row for the next one.
    std::vector<Cell> take();

private:
    const TableDef& table_;
    std::map<std::string, size_t, std::less<>> index_;
    std::vector<Cell> cells_;
    std::vector<bool> given_;
};

}  // namespace velmar::bench
