// Runs a window's refresh (the contract list's filter, the details window's date) so that the screen follows
// while it works, and so that requests arriving meanwhile are not lost nor run one by one.
#pragma once

#include <functional>

namespace velmar {

class RefreshCoalescer {
public:
    explicit RefreshCoalescer(std::function<void()> pass);

    // Runs the pass and lets the screen follow. A request that arrives meanwhile only counts; the pass under
    // way then runs once more, so the last request is always applied, however many came.
    void request();

    // Drops the requests that `change` makes (a list being refilled must not refresh on its own changes).
    void ignoreDuring(const std::function<void()>& change);

    // Forgets requests still counted from an earlier showing of the window.
    void reset() { requests_ = 0; }

private:
    std::function<void()> pass_;
    int requests_ = 0;
};

}  // namespace velmar
