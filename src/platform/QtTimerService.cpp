#include "QtTimerService.h"

#include <QTimer>

namespace pmr {

QtTimerService::QtTimerService(QObject* parent) : QObject(parent) {
    clock_.start();
}

QtTimerService::~QtTimerService() {
    for (auto& [handle, entry] : timers_)
        delete entry.timer;
}

TimerHandle QtTimerService::Start(int milliseconds, std::function<void()> callback) {
    const TimerHandle handle = next_++;
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    // The link's time-outs are short; a coarse timer may be 5 % late.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, [this, handle] { Fire(handle); });
    timers_.emplace(handle, Entry{timer, std::move(callback)});
    timer->start(milliseconds < 0 ? 0 : milliseconds);
    return handle;
}

void QtTimerService::Cancel(TimerHandle handle) {
    auto it = timers_.find(handle);
    if (it == timers_.end())
        return;
    it->second.timer->stop();
    it->second.timer->deleteLater();
    timers_.erase(it);
}

void QtTimerService::Fire(TimerHandle handle) {
    auto it = timers_.find(handle);
    if (it == timers_.end())
        return; // cancelled after its time had come
    auto callback = std::move(it->second.callback);
    it->second.timer->deleteLater();
    timers_.erase(it);
    if (callback)
        callback();
}

} // namespace pmr
