// The program's version and product code, and recording them in the settings files at each start.
#pragma once

#include <QString>

namespace velmar {

class AppContext;

inline constexpr double kVersion = 1.0006;
inline constexpr int kProductCode = 56;
QString versionText();      // "1.0006"
QString mainWindowTitle();  // "Velmar  ver.1.0006": the version with four decimals

// GMT.dII: CALE = program folder, VER = version text; VLMR.set of the local data folder, section "56":
// VER = the version as a number.
void RecordVersion(AppContext& app);

}  // namespace velmar
