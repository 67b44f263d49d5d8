// How a core operation talks to the user: questions, refusals and outcomes through Mesaj, long work
// through the progress counter. The program implements it with its windows; tests and the command-line
// tool with scripted answers.
#pragma once

#include "app/progress_counter.h"

#include <QString>
#include <deque>
#include <vector>

namespace velmar {

enum class MessageKind { Warning = 0, Error = 1, Information = 2, Confirmation = 3 };

// Buttons of Mesaj, as a bit set; they always appear in the order Da, Nu, Renunt, OK.
namespace MessageButton {
inline constexpr int Yes = 1;
inline constexpr int No = 2;
inline constexpr int Ok = 4;
inline constexpr int Cancel = 8;
}  // namespace MessageButton

// What Mesaj returns: the button pressed; Cancel also for Esc, the title-bar button, or no buttons.
namespace MessageResult {
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace MessageResult

class Interaction {
public:
    virtual ~Interaction() = default;
    // Shows the message dialog: `caption` is the heading of its top band (the window title comes from
    // the kind), `text` the body. Returns the MessageResult of the button pressed.
    virtual int Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind) = 0;
    virtual ProgressCounter& counter() = 0;
};

// Answers from a script, in order (Cancel when the script is used up), and remembers every message.
class ScriptedInteraction : public Interaction {
public:
    struct Shown {
        QString caption;
        QString text;
        int buttons;
        MessageKind kind;
    };

    explicit ScriptedInteraction(std::deque<int> answers = {}) : answers_(std::move(answers)) {}
    int Mesaj(const QString& caption, const QString& text, int buttons, MessageKind kind) override;
    ProgressCounter& counter() override { return counter_; }

    void answer(int result) { answers_.push_back(result); }
    const std::vector<Shown>& shown() const { return shown_; }

private:
    std::deque<int> answers_;
    std::vector<Shown> shown_;
    SilentProgressCounter counter_;
};

}  // namespace velmar
