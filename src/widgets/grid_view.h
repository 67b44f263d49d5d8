// Puts a RowsModel in a grid the way every window shows its lists: read-only whole rows, alternate shading,
// columns wide enough for their usual values and titles, and the band titles over their runs.
#pragma once

#include "widgets/grid_band_row.h"
#include "widgets/rows_model.h"

#include <vector>

class QTableView;
class QWidget;

namespace velmar {

// Read-only, one whole row selected at a time, shaded every other row, no row header, columns the user may
// resize, titles that do not light up with the selection.
void setUpGrid(QTableView* grid, QAbstractItemModel* model);

// Each column as wide as `widthChars[c]` digits or its title, whichever is wider; rows as high as the values.
void sizeColumns(QTableView* grid, const std::vector<int>& widthChars);

// `bandRow` is the strip above the grid that holds the band titles.
template <class Row>
void showInGrid(QTableView* grid, QWidget* bandRow, RowsModel<Row>* model)
{
    setUpGrid(grid, model);
    std::vector<int> widthChars;
    std::vector<QString> bandOfColumn;
    for (const GridColumn<Row>& column : model->columns()) {
        widthChars.push_back(column.widthChars);
        bandOfColumn.push_back(column.band);
    }
    sizeColumns(grid, widthChars);
    new GridBandRow(bandRow, grid, bandRuns(bandOfColumn));
}

// Makes a displayed row current and scrolls to it; nothing for a row outside the grid.
void makeRowCurrent(QTableView* grid, int row);

}  // namespace velmar
