// The progress counter window (TContor): a caption above a bar, in front of the program during long work.
#pragma once

#include "app/progress_counter.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace Ui {
class ProgressWindow;
}

namespace velmar {

class ProgressWindow : public QWidget, public ProgressCounter {
    Q_OBJECT
public:
    explicit ProgressWindow(QWidget* parent = nullptr);
    ~ProgressWindow() override;

    bool isShown() const override { return isVisible(); }
    QString caption() const override;
    int position() const override { return position_; }
    void setCaption(const QString& caption) override;
    void setPosition(int position) override;
    void setMaximum(int maximum) override;

    void CounterStart() override;
    void CounterStep() override;
    void CounterStop() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPosition();

    std::unique_ptr<::Ui::ProgressWindow> ui_;
    int position_ = 0;
    int maximum_ = 100;
    QPointer<QWidget> blocked_;  // the window that was active at the start; it may close meanwhile
};

}  // namespace velmar
