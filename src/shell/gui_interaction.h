// The program's Interaction: the message dialog and the progress window, each made once and reused.
#pragma once

#include "app/interaction.h"
#include "widgets/message_dialog.h"
#include "widgets/progress_window.h"

namespace velmar {

class GuiInteraction : public Interaction {
public:
    int Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind) override;
    ProgressCounter& counter() override { return progress_; }

private:
    MessageDialog dialog_;
    ProgressWindow progress_;
};

}  // namespace velmar
