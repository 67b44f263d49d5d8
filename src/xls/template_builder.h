// The workbook templates the program carries and writes into the data folder when they are missing:
// the calculation sheet, the debts list and the payments slip, built from their layouts at run time.
#pragma once

#include <QByteArray>

namespace velmar::xls {

enum class CarriedTemplate { FisaCalcul, Datorii, Incas };

// The .xls file (a compound file holding one BIFF8 workbook) of the template.
QByteArray BuildCarriedTemplate(CarriedTemplate which);

}  // namespace velmar::xls
