// The table as one UTF-8 web page: the heading and the "Creat la" line, then a <table> whose <thead> holds the
// band row and the column titles. Numbers and dates carry their value for spreadsheet programs (LibreOffice's
// sdval/sdnum, Excel's mso-number-format); every text is escaped.
#pragma once

#include "export/shown_table.h"

#include <QString>

namespace velmar {

QString htmlPage(const ShownTable& table);

}  // namespace velmar
