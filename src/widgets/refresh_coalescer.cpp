// The refresh coalescer.
#include "widgets/refresh_coalescer.h"

#include <QCoreApplication>
#include <utility>

namespace velmar {

RefreshCoalescer::RefreshCoalescer(std::function<void()> pass) : pass_(std::move(pass)) {}

void RefreshCoalescer::request()
{
    if (requests_++ > 0)
        return;
    for (;;) {
        pass_();
        QCoreApplication::processEvents();
        if (std::exchange(requests_, 0) <= 1)
            return;
        requests_ = 1;
    }
}

void RefreshCoalescer::ignoreDuring(const std::function<void()>& change)
{
    requests_ = 1;
    change();
    requests_ = 0;
}

}  // namespace velmar
