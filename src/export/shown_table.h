// A table as a grid shows it, ready to be written in any export format: the heading, the visible columns in
// their order (band, title, width, alignment, emphasis) and the displayed rows, each cell with the text the
// grid shows and, for numbers and dates, the value behind that text.
#pragma once

#include "widgets/grid_column.h"

#include <QDate>
#include <QString>
#include <vector>

namespace velmar {

struct ShownCell {
    ValueKind kind = ValueKind::Text;
    double value = 0;  // Number: the number; Date: its day number
    QString text;      // as the grid shows it
};

// A column's cells become numbers or dates only when their text reads back as one: "-" in a date column
// stays a text, and so does a code of digits in a text column.
ShownCell shownCell(ValueKind kind, QString text);

struct ShownColumn {
    QString band;  // empty: under no band
    QString title;
    double widthChars;
    Qt::Alignment alignment;
    Emphasis emphasis = Emphasis::Plain;
};

struct ShownTable {
    QString heading;  // the window's heading, e.g. "Lista Contractelor"
    QDate created;    // shown as "Creat la dd.MM.yyyy" above the table
    std::vector<ShownColumn> columns;
    std::vector<std::vector<ShownCell>> rows;

    // The band titles over runs of the columns; none when no column is under a band.
    std::vector<GridBand> bands() const;
    // Per column, the band title at the first column of its run, empty elsewhere: a band row of plain cells.
    std::vector<QString> bandRow() const;
};

// One column of the grid to export, with the width it has there (in characters of the grid's font).
struct ColumnPick {
    int column;
    double widthChars;
};

// The width a column starts with in a grid: its usual values or its title, whichever is wider.
double usualWidthChars(int widthChars, const QString& title);

// `rows` through `columns`: the columns named by `picks`, in that order, or every column with its usual width
// when `picks` is empty.
template <class Row>
ShownTable shownTable(const QString& heading, QDate created, const std::vector<GridColumn<Row>>& columns,
                      const std::vector<Row>& rows, std::vector<ColumnPick> picks = {})
{
    if (picks.empty())
        for (int c = 0; c < int(columns.size()); ++c)
            picks.push_back({c, usualWidthChars(columns[size_t(c)].widthChars, columns[size_t(c)].title)});
    ShownTable table{heading.trimmed(), created, {}, {}};
    for (const ColumnPick& pick : picks) {
        const GridColumn<Row>& c = columns[size_t(pick.column)];
        table.columns.push_back({c.band, c.title, pick.widthChars, c.alignment, c.emphasis});
    }
    table.rows.reserve(rows.size());
    for (const Row& row : rows) {
        std::vector<ShownCell> cells;
        cells.reserve(picks.size());
        for (const ColumnPick& pick : picks) {
            const GridColumn<Row>& c = columns[size_t(pick.column)];
            cells.push_back(shownCell(c.kind, c.text(row)));
        }
        table.rows.push_back(std::move(cells));
    }
    return table;
}

}  // namespace velmar
