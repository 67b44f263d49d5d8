// What python3-xlrd, an independent reader, sees in a workbook file: every cell as
// "sheet!A1 type value" lines, merged ranges and defined names.
#pragma once

#include <QString>
#include <QStringList>

namespace velmar::test {

// One line per cell that is not empty: "Date!C3 number 10", "Date!B3 text Nume 1", "Date!A1 error 23";
// then "merged Date rows 0-1 columns 0-3" and "name Print_Titles Date!$A$2:$IV$2".
// A read failure fails the calling test and gives the reader's message.
QStringList xlrdReading(const QString& path);

}  // namespace velmar::test
