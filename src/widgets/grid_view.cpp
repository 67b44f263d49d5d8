// Grid set-up shared by every window's lists.
#include "widgets/grid_view.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace velmar {

void setUpGrid(QTableView* grid, QAbstractItemModel* model)
{
    grid->setModel(model);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setAlternatingRowColors(true);
    grid->verticalHeader()->hide();
    QHeaderView* header = grid->horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
}

void sizeColumns(QTableView* grid, const std::vector<int>& widthChars)
{
    QHeaderView* header = grid->horizontalHeader();
    const QFontMetrics values(grid->font());
    const QFontMetrics titles(header->font());
    const int character = values.horizontalAdvance(QLatin1Char('0'));  // as wide as a capital, on average
    constexpr int kPadding = 16;
    for (int c = 0; c < int(widthChars.size()); ++c) {
        const QString title = grid->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int usual = character * widthChars[size_t(c)];
        header->resizeSection(c, std::max(usual, titles.horizontalAdvance(title)) + kPadding);
    }
    grid->verticalHeader()->setDefaultSectionSize(values.height() + 8);
}

void makeRowCurrent(QTableView* grid, int row)
{
    if (row < 0 || row >= grid->model()->rowCount())
        return;
    const QModelIndex index = grid->model()->index(row, 0);
    grid->setCurrentIndex(index);
    grid->scrollTo(index);
}

}  // namespace velmar
