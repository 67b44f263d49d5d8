// The progress counter as the core sees it: the window (TContor) implements the primitives, tests and the
// command-line tool a counter that only keeps its state. ProgressScope holds the rule for an operation
// that may run inside another one.
#pragma once

#include <QString>

namespace velmar {

class ProgressCounter {
public:
    virtual ~ProgressCounter() = default;

    virtual bool isShown() const = 0;
    virtual QString caption() const = 0;
    virtual int position() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    virtual void setPosition(int position) = 0;
    virtual void setMaximum(int maximum) = 0;

    // Bar at 0; when not yet shown, disables the active window and shows the counter.
    virtual void CounterStart() = 0;
    // One step forward unless at the maximum; lets the screen repaint.
    virtual void CounterStep() = 0;
    // When shown: hides the counter and enables the remembered window again.
    virtual void CounterStop() = 0;
};

// One operation's use of the counter. When the counter is already shown (an operation running inside
// another) it keeps the outer caption and position and puts them back at the end instead of hiding it.
class ProgressScope {
public:
    ProgressScope(ProgressCounter& counter, const QString& caption);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void setMaximum(int maximum) { counter_.setMaximum(maximum); }
    void step() { counter_.CounterStep(); }

private:
    ProgressCounter& counter_;
    QString outerCaption_;  // empty: this scope started the counter
    int outerPosition_ = 0;
};

// A counter without a window: it keeps its state (for the command-line tool and the tests).
class SilentProgressCounter : public ProgressCounter {
public:
    bool isShown() const override { return shown_; }
    QString caption() const override { return caption_; }
    int position() const override { return position_; }
    int maximum() const { return maximum_; }
    void setCaption(const QString& caption) override { caption_ = caption; }
    void setPosition(int position) override { position_ = position; }
    void setMaximum(int maximum) override { maximum_ = maximum; }
    void CounterStart() override;
    void CounterStep() override;
    void CounterStop() override { shown_ = false; }

private:
    bool shown_ = false;
    QString caption_;
    int position_ = 0;
    int maximum_ = 100;
};

}  // namespace velmar
