// A report's first sheet as python3-xlrd reads it, for golden files: one CSV line per row, the row number
// (from 1) then one field per cell, "ctype:value" (1 text, 2 number, 3 date, 5 error, 6 formatted blank;
// empty cells empty). Whole numbers print without ".0"; a date adds its day, "3:45352=2024-03-01".
#pragma once

#include <QString>

namespace velmar::test {

QString reportCells(const QString& path);

}  // namespace velmar::test
