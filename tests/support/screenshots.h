// Pictures of windows for a person to look at: written only when VELMAR_SCREENSHOTS names a folder.
#pragma once

#include <QString>

class QWidget;

namespace velmar::test {

void saveScreenshot(QWidget* widget, const QString& name);

}  // namespace velmar::test
