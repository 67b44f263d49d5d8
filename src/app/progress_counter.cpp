// The nesting rule of the progress counter, and the counter without a window.
#include "app/progress_counter.h"

namespace velmar {

ProgressScope::ProgressScope(ProgressCounter& counter, const QString& caption) : counter_(counter)
{
    if (counter_.isShown()) {
        outerCaption_ = counter_.caption();
        outerPosition_ = counter_.position();
        counter_.setCaption(caption);
        counter_.setPosition(0);
    } else {
        counter_.setCaption(caption);
        counter_.CounterStart();
    }
}

ProgressScope::~ProgressScope()
{
    if (outerCaption_.isEmpty()) {
        counter_.CounterStop();
    } else {
        counter_.setCaption(outerCaption_);
        counter_.setPosition(outerPosition_);
    }
}

void SilentProgressCounter::CounterStart()
{
    position_ = 0;
    shown_ = true;
}

void SilentProgressCounter::CounterStep()
{
    if (position_ < maximum_)
        ++position_;
}

}  // namespace velmar
