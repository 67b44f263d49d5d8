// Band titles above a grid's column titles.
#include "widgets/grid_band_row.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>

namespace velmar {

GridBandRow::GridBandRow(QWidget* row, QTableView* grid, const std::vector<GridBand>& bands)
    : QObject(row), row_(row), grid_(grid), bands_(bands)
{
    for (const GridBand& band : bands_) {
        auto* label = new QLabel(band.title, row_);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameShape(QFrame::StyledPanel);
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Button);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        labels_.push_back(label);
    }
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, &GridBandRow::place);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridBandRow::place);
    grid_->viewport()->installEventFilter(this);
}

bool GridBandRow::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        place();
    return false;
}

void GridBandRow::place()
{
    const QHeaderView* header = grid_->horizontalHeader();
    const int offset = grid_->frameWidth();  // the grid has no row header
    const int visibleRight = offset + grid_->viewport()->width();
    for (size_t i = 0; i < bands_.size(); ++i) {
        const GridBand& band = bands_[i];
        const int left = offset + header->sectionViewportPosition(band.first);
        const int right = offset + header->sectionViewportPosition(band.last) + header->sectionSize(band.last);
        const int shownLeft = std::max(left, offset);
        const int shownRight = std::min(right, visibleRight);
        labels_[i]->setVisible(shownRight > shownLeft);
        labels_[i]->setGeometry(shownLeft, 0, shownRight - shownLeft, row_->height());
    }
}

}  // namespace velmar
