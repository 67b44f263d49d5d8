// The program's main window.
#pragma once

#include <QMainWindow>

namespace velmar {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace velmar
