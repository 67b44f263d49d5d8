// The two print templates the office may edit: the receipt form and the calculation sheet's workbook.
#pragma once

#include <QString>

namespace velmar {

class AppContext;
class DocumentOpener;

enum class PrintTemplate { Receipt, CalculationSheet };

QString templateFileName(PrintTemplate model);  // ModelChitanta.rtf, FisaCalcul.xls

// "Editare Model": the template of the data folder opened in the desktop's program for its type; nothing
// opens when it is missing. Opening the receipt form marks it edited (EDITAT_CHITANTA "DA"), which ends
// the receipts' reminder to complete it.
void EditModel(AppContext& app, DocumentOpener& opener, PrintTemplate model);

}  // namespace velmar
