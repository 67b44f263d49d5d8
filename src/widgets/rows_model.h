// The grid model every window uses: rows the core loaded, shown through the window's column table,
// optionally narrowed by a filter without loading them again.
#pragma once

#include "widgets/grid_column.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <functional>
#include <utility>
#include <vector>

namespace velmar {

template <class Row>
class RowsModel : public QAbstractTableModel {
public:
    using Columns = std::vector<GridColumn<Row>>;
    using Filter = std::function<bool(const Row&)>;

    // `columns` outlives the model (the windows keep theirs in a static table).
    RowsModel(const Columns& columns, QObject* parent) : QAbstractTableModel(parent), columns_(columns) {}

    // The loaded rows; a filter set before stays.
    void setRows(std::vector<Row> rows)
    {
        beginResetModel();
        rows_ = std::move(rows);
        applyFilter();
        endResetModel();
    }
    // Narrows the loaded rows; an empty filter shows them all.
    void setFilter(Filter accepts)
    {
        beginResetModel();
        accepts_ = std::move(accepts);
        applyFilter();
        endResetModel();
    }

    // A displayed row, 0 <= displayed < rowCount().
    const Row& row(int displayed) const { return rows_[shown_[size_t(displayed)]]; }
    // The first displayed row that `matches`, -1 when none does.
    int rowWhere(const std::function<bool(const Row&)>& matches) const
    {
        for (size_t i = 0; i < shown_.size(); ++i)
            if (matches(rows_[shown_[i]]))
                return int(i);
        return -1;
    }
    std::vector<Row> displayedRows() const
    {
        std::vector<Row> displayed;
        displayed.reserve(shown_.size());
        for (const size_t i : shown_)
            displayed.push_back(rows_[i]);
        return displayed;
    }
    const Columns& columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(shown_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : int(columns_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const GridColumn<Row>& column = columns_[size_t(index.column())];
        switch (role) {
        case Qt::DisplayRole:
            return column.text(row(index.row()));
        case Qt::TextAlignmentRole:
            return int(column.alignment);
        case Qt::ForegroundRole:
            return column.emphasis == Emphasis::BoldRed ? QVariant(QColor(Qt::red)) : QVariant();
        case Qt::FontRole:
            if (column.emphasis != Emphasis::Plain) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        default:
            return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return columns_[size_t(section)].title;
    }

private:
    void applyFilter()
    {
        shown_.clear();
        shown_.reserve(rows_.size());
        for (size_t i = 0; i < rows_.size(); ++i)
            if (!accepts_ || accepts_(rows_[i]))
                shown_.push_back(i);
    }

    const Columns& columns_;
    std::vector<Row> rows_;
    std::vector<size_t> shown_;  // indexes into rows_ of the rows the filter accepts, in list order
    Filter accepts_;
};

}  // namespace velmar
