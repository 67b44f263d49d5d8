// The history viewer "Istoric modificari date": the action log, oldest first, read-only.
#pragma once

#include "store/action_log.h"

#include <QDialog>
#include <memory>

namespace Ui {
class LogViewWindow;
}

namespace velmar {

class LogViewWindow : public QDialog {
    Q_OBJECT
public:
    explicit LogViewWindow(std::vector<LogEntry> entries, QWidget* parent = nullptr);
    ~LogViewWindow() override;

private:
    std::unique_ptr<::Ui::LogViewWindow> ui_;
};

}  // namespace velmar
