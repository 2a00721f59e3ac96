#pragma once

#include <QMetaObject>
#include <QObject>
#include <functional>
#include <utility>

// Runs a timer's work from the event loop instead of from the timer's own event. Qt never
// delivers a timer again while its slot is still running, so work that waits in a box would
// hold every later tick back; queued, the slot returns at once and the next tick can start the
// work again inside the box's loop. At most one run waits at a time, so ticks missed while
// nothing ran do not pile up.
class QueuedRun {
public:
    QueuedRun(QObject* context, std::function<void()> work)
        : context_(context), work_(std::move(work)) {}

    void Request() {
        if (pending_) return;
        pending_ = true;
        QMetaObject::invokeMethod(
            context_,
            [this] {
                pending_ = false;
                work_();
            },
            Qt::QueuedConnection);
    }

private:
    QObject* context_;
    std::function<void()> work_;
    bool pending_ = false;
};
