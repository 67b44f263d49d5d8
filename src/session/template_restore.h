// "Refa Modelul initial": a print template of the data folder replaced by the one the program carries.
#pragma once

#include "admin/print_templates.h"

namespace velmar {

class AppContext;
class Interaction;

// Deletes the template (the receipt form is then no longer marked edited: EDITAT_CHITANTA "NU"), writes
// every missing carried file again and says so. Throws StoreError when the old file cannot be deleted or
// the new one written, so that nothing is reported as restored that was not.
void RestoreInitialModel(AppContext& app, Interaction& ui, PrintTemplate model);

}  // namespace velmar
