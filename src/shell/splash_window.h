// The splash window: the program's name and version, and how far start-up has got, from launch until the
// main window runs.
#pragma once

#include "session/startup.h"

#include <QDialog>
#include <memory>

namespace Ui {
class SplashWindow;
}

namespace velmar {

class SplashWindow : public QDialog, public StartupProgress {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget* parent = nullptr);
    ~SplashWindow() override;

    // Shows the window and lets the window system put it on screen before start-up keeps the program busy.
    void showPainted();

    void showStatus(const QString& text) override;
    void resetBar(int maximum) override;
    void stepBar() override;

private:
    std::unique_ptr<::Ui::SplashWindow> ui_;
};

}  // namespace velmar
