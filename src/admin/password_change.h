// Changing the administrator password ("&Schimba parola"): the new one typed twice.
#pragma once

#include <QString>

namespace velmar {

class Interaction;
class Settings;

enum class PasswordChange {
    Different,  // nothing stored; the window beeps after the message
    Changed,    // WIN holds the new password, encoded
    Removed,    // both empty and confirmed: no password any more
    Kept,       // both empty, removal declined
};

PasswordChange MemoPass(Settings& settings, Interaction& ui, const QString& first, const QString& second);

}  // namespace velmar
