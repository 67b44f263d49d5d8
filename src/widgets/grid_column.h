// One column of a read-only grid, declared by the window that shows it: where it stands, how it looks and
// how a row's value becomes its text.
#pragma once

#include <QString>
#include <Qt>

namespace velmar {

inline constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;
inline constexpr Qt::Alignment kCentredAlignment = Qt::AlignCenter;
inline constexpr Qt::Alignment kTextAlignment = Qt::AlignLeft | Qt::AlignVCenter;

// What the clerk reads first is bold; what the clerk looks for first is bold red.
enum class Emphasis { Plain, Bold, BoldRed };

template <class Row>
struct GridColumn {
    QString band;  // title over a run of adjacent columns; empty: under no band
    QString title;
    int widthChars;  // what the values usually need, for the starting width
    Qt::Alignment alignment;
    QString (*text)(const Row&);
    Emphasis emphasis = Emphasis::Plain;
    const char* sortKey = nullptr;  // for a grid that sorts: what a click on the title orders by; none: it does not
};

// The usual formatters: whole numbers as they are, day numbers as dates ("-" below 100).
QString numberText(qint64 value);
QString dayText(qint64 dayNumber);

}  // namespace velmar
