// A small grid to export: two bands, a column under none, numbers, dates, a "-" date, codes of digits, and
// texts with the characters each format must escape.
#pragma once

#include "export/shown_table.h"

namespace velmar::test {

struct Item {
    qint64 number;
    qint64 day;
    QString name;
    QString code;
    double area;
};

const std::vector<GridColumn<Item>>& itemColumns();
std::vector<Item> sampleItems();
// The sample under every column, created 11.12.2026.
ShownTable sampleTable();

}  // namespace velmar::test
