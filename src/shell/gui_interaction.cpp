// The program's Interaction.
#include "shell/gui_interaction.h"

namespace velmar {

int GuiInteraction::Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind)
{
    return dialog_.Mesaj(caption, text, buttons, kind);
}

}  // namespace velmar
