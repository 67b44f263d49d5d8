// The contract list's grid: the loaded contracts narrowed by the search panel, in the clerks' columns and bands.
#pragma once

#include "widgets/grid_band_row.h"

#include "contracts/contract_list.h"

#include <QAbstractTableModel>
#include <vector>

namespace velmar {

class ContractListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // A title written above a run of adjacent columns.
    using Band = GridBand;

    explicit ContractListModel(QObject* parent = nullptr);

    // The loaded list; the filter set before stays.
    void setRows(std::vector<ContractRow> rows);
    // Narrows the loaded rows without loading them again.
    void setFilter(const ContractFilter& filter);

    // A displayed row, 0 <= displayed < rowCount().
    const ContractRow& row(int displayed) const { return rows_[shown_[size_t(displayed)]]; }
    // The displayed row of a contract, -1 when it is not displayed.
    int rowOf(qint64 idcon) const;

    // The Contract column a click on the column's title orders by; empty for "Suma restanta".
    static QString sortColumn(int column);
    // Characters the column's values usually need, for its starting width.
    static int widthChars(int column);
    static const std::vector<Band>& bands();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void applyFilter();

    std::vector<ContractRow> rows_;
    std::vector<int> shown_;  // indexes into rows_ of the rows the filter accepts, in list order
    ContractFilter filter_;
};

}  // namespace velmar
