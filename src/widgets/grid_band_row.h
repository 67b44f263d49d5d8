// Titles over runs of a grid's columns ("Contract de Concesiune", "Data si ora"), in a row of their own
// just above the column titles, kept over their columns as these are resized or scrolled.
#pragma once

#include "widgets/grid_column.h"

#include <QObject>
#include <QString>
#include <vector>

class QLabel;
class QTableView;
class QWidget;

namespace velmar {

class GridBandRow : public QObject {
public:
    // `row` is the strip above the grid that holds the titles; it owns this object.
    GridBandRow(QWidget* row, QTableView* grid, const std::vector<GridBand>& bands);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place();

    QWidget* row_;
    QTableView* grid_;
    std::vector<GridBand> bands_;
    std::vector<QLabel*> labels_;
};

}  // namespace velmar
