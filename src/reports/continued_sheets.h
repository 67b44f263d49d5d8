// A band longer than one .xls sheet holds goes on over further sheets: each a copy of the template's
// sheet with its headings and its own totals, the tabs named "<sheet> 1 din N", and below the totals of
// the last one a "TOTAL GENERAL" row over every sheet.
#pragma once

#include <vector>

namespace velmar {

namespace xls {
class Workbook;
}

// How the band's records share out over sheets: the count on each, in order. One sheet while they fit
// there; otherwise each but the last full, with a row left for the general total on every one.
std::vector<int> SheetShares(const xls::Workbook& book, int records);

// Copies the active sheet so that there are `count` in all (the active one first), names them as above
// when more than one, and returns their indexes.
std::vector<int> AddContinuationSheets(xls::Workbook& book, int count);

// On the last of `sheets`, a copy of its row `totalRows[i]` just below it holding, in every cell where
// the totals row has a formula, the sum over the sheets of that formula's result; a cell that reads
// "TOTAL" there reads "TOTAL GENERAL". Nothing happens when the totals row has no formula.
void AddGeneralTotal(xls::Workbook& book, const std::vector<int>& sheets, const std::vector<int>& totalRows);

}  // namespace velmar
