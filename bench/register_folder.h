// A generated register written as the permanent table files of a data folder.
#pragma once

#include "bench/register_generator.h"

#include <QString>

namespace velmar::bench {

// Creates the folder when missing. Contract, Rate and Chitante get the generated rows; the other
// permanent tables are written empty. Refuses (StoreError) a folder that already holds one of them.
void writeRegisterFolder(const QString& folder, const RegisterSize& size);

}  // namespace velmar::bench
