#pragma once

#include <QObject>

#include <functional>

namespace intake {

// What the app is busy with: one install or removal at a time, whichever window started it.
// While one waits for an administrator, the event loop goes on as under a modal dialog, so the
// windows repaint and move; the caller still gets control back only once the step has ended.
class Activity : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    bool isBusy() const { return busy_; }

    // Runs the flow and returns true, or returns false at once while another one runs.
    bool runAlone(const std::function<void()>& flow);

    // Runs the step on a worker thread while this thread's event loop runs; returns when it has
    // ended and rethrows what it threw.
    void waitFor(const std::function<void()>& step);

signals:
    void busyChanged(bool busy);

private:
    bool busy_ = false;
};

}  // namespace intake
