// A window command with its error box.
#include "widgets/run_command.h"

#include "app/interaction.h"

#include <exception>

namespace velmar {

bool runCommand(Interaction& ui, const QString& caption, const std::function<void()>& run)
{
    try {
        run();
        return true;
    } catch (const std::exception& e) {
        ui.Mesaj(caption, QString::fromStdString(e.what()), MessageButton::Ok, MessageKind::Error);
        return false;
    }
}

}  // namespace velmar
