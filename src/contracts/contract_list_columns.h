// The contract list's columns and bands, as its window shows them and as its export writes them.
#pragma once

#include "contracts/contract_list.h"
#include "widgets/grid_column.h"

#include <vector>

namespace velmar {

const std::vector<GridColumn<ContractRow>>& contractListColumns();

// The window's heading, trimmed: the title of an exported list.
QString contractListHeading();

}  // namespace velmar
