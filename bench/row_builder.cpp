// Rows filled by column name.
#include "bench/row_builder.h"

#include <algorithm>
#include <stdexcept>

namespace velmar::bench {

RowBuilder::RowBuilder(const TableDef& table)
    : table_(table), cells_(table.fields.size()), given_(table.fields.size(), false)
{
    for (size_t i = 0; i < table.fields.size(); ++i)
        index_.emplace(table.fields[i].name.toStdString(), i);
}

RowBuilder& RowBuilder::set(std::string_view column, Cell value)
{
    const auto it = index_.find(column);
    if (it == index_.end())
        throw std::logic_error(table_.name.toStdString() + " has no column " + std::string(column));
    cells_[it->second] = std::move(value);
    given_[it->second] = true;
    return *this;
}

std::vector<Cell> RowBuilder::take()
{
    const auto missing = std::find(given_.begin(), given_.end(), false);
    if (missing != given_.end())
        throw std::logic_error(table_.name.toStdString() + "." +
                               table_.fields[size_t(missing - given_.begin())].name.toStdString() +
                               " was not generated");
    std::fill(given_.begin(), given_.end(), false);
    std::vector<Cell> row(cells_.size());
    row.swap(cells_);
    return row;
}

}  // namespace velmar::bench
