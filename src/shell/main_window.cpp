// The main window.
#include "shell/main_window.h"

namespace velmar {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Velmar  ver.1.0006"));
    resize(800, 120);
}

}  // namespace velmar
