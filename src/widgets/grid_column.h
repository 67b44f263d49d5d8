// One column of a read-only grid, declared by the window that shows it: where it stands, how it looks, how a
// row's value becomes its text and what that text stands for. Core: the command-line tool exports a grid's rows
// as its window would show them.
#pragma once

#include <QString>
#include <Qt>
#include <vector>

namespace velmar {

inline constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;
inline constexpr Qt::Alignment kCentredAlignment = Qt::AlignCenter;
inline constexpr Qt::Alignment kTextAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// What the clerk reads first is bold; what the clerk looks for first is bold red.
enum class Emphasis { Plain, Bold, BoldRed };

// What a column's texts stand for when the grid is exported: a spreadsheet gets numbers and dates as such.
enum class ValueKind { Text, Number, Date };

template <class Row>
struct GridColumn {
    QString band;  // title over a run of adjacent columns; empty: under no band
    QString title;
    int widthChars;  // what the values usually need, for the starting width
    Qt::Alignment alignment;
    QString (*text)(const Row&);
    Emphasis emphasis = Emphasis::Plain;
    const char* sortKey = nullptr;  // for a grid that sorts: what a click on the title orders by; none: it does not
    ValueKind kind = ValueKind::Text;
};

struct GridBand {
    QString title;
    int first;  // first and last column under the title
    int last;
};

// The runs of adjacent columns that share a band title; `bandOfColumn[c]` is column c's title, empty for
// a column under no band.
std::vector<GridBand> bandRuns(const std::vector<QString>& bandOfColumn);

// The usual formatters: whole numbers as they are, day numbers as dates ("-" below 100).
QString numberText(qint64 value);
QString dayText(qint64 dayNumber);

}  // namespace velmar
