// A window command with its error box.
#include "widgets/run_command.h"

#include "app/interaction.h"

#include <exception>

namespace velmar {

void runCommand(Interaction& ui, const QString& caption, const std::function<void()>& run)
{
    try {
        run();
    } catch (const std::exception& e) {
        ui.Mesaj(caption, QString::fromStdString(e.what()), MessageButton::Ok, MessageKind::Error);
    }
}

}  // namespace velmar
