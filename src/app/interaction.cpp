// The scripted interaction.
#include "app/interaction.h"

namespace velmar {

int ScriptedInteraction::Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind)
{
    shown_.push_back({caption, text, buttons, kind});
    if (buttons == 0 || answers_.empty())
        return MessageResult::Cancel;
    const int result = answers_.front();
    answers_.pop_front();
    return result;
}

}  // namespace velmar
