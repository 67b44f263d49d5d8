// The pictures above the main window's captions, drawn by the program (no image files to carry).
#pragma once

#include <QIcon>

namespace velmar {

enum class ButtonPicture { Contracts, Reports, Utilities, AdministrationLocked, AdministrationUnlocked, Exit };

QIcon buttonPicture(ButtonPicture picture);

}  // namespace velmar
