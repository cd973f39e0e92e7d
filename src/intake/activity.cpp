#include "intake/activity.h"

#include <QEventLoop>

#include <exception>
#include <thread>

namespace intake {

bool Activity::runAlone(const std::function<void()>& flow)
{
    if (busy_)
        return false;
    const auto setBusy = [this](bool busy) {
        busy_ = busy;
        emit busyChanged(busy);
    };
    setBusy(true);
    try {
        flow();
    } catch (...) {
        setBusy(false);
        throw;
    }
    setBusy(false);
    return true;
}

void Activity::waitFor(const std::function<void()>& step)
{
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            step();
        } catch (...) {
            failure = std::current_exception();
        }
        // Queued, so a step that ends before the loop starts still ends it.
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    // The loop also ends when the application quits; the step is still waited for.
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

}  // namespace intake
