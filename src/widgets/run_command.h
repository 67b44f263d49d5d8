// Runs a window's command and shows what stopped it (a StoreError, a file that would not open...) in the
// general error box under the command's caption. True when the command ran to its end.
#pragma once

#include <QString>
#include <functional>

namespace velmar {

class Interaction;

bool runCommand(Interaction& ui, const QString& caption, const std::function<void()>& run);

}  // namespace velmar
