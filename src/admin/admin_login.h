// The administrator login of the main window's "Administrare" button, without the windows: the password
// prompt and the messages come through interfaces.
#pragma once

#include <QString>
#include <optional>

namespace velmar {

class Interaction;
class Settings;

class PasswordPrompt {
public:
    virtual ~PasswordPrompt() = default;
    // The "Autentificare" prompt: the typed text when confirmed, nothing when cancelled.
    virtual std::optional<QString> InputQuery2() = 0;
};

enum class LoginOutcome {
    OpenAdministration,  // already logged in: the click opens the administration window
    Unlocked,            // the administrator is logged in
    UnlockedForWork,     // the work buttons are shown, but administration still asks for the password
    Cancelled,
    WrongPassword,
};

// One click on "Administrare". `administrator` is the program's flag; a successful login sets it.
LoginOutcome AdministratorLogin(bool& administrator, Settings& settings, Interaction& ui, PasswordPrompt& prompt);

// True when the administration's name (COMUNA) is blank: the contract list asks to fill it in first.
bool administrationNameMissing(Settings& settings);

}  // namespace velmar
