// A grid as the clerk sees it, for the export: its displayed rows (filter and order applied) under its visible
// columns, in the order and at the widths they have on the screen.
#pragma once

#include "export/shown_table.h"
#include "widgets/rows_model.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace velmar {

template <class Row>
ShownTable shownGrid(const QTableView* grid, const RowsModel<Row>& model, const QString& heading, QDate created)
{
    const QHeaderView* header = grid->horizontalHeader();
    const double character = QFontMetrics(grid->font()).horizontalAdvance(QLatin1Char('0'));
    std::vector<ColumnPick> picks;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            picks.push_back({logical, header->sectionSize(logical) / character});
    }
    return shownTable(heading, created, model.columns(), model.displayedRows(), std::move(picks));
}

}  // namespace velmar
