// velmar: the desktop program.
#include "shell/main_window.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmar"));
    velmar::MainWindow window;
    window.show();
    return QApplication::exec();
}
