#include "LinkTimers.h"

namespace pmr {

LinkTimers::LinkTimers(std::map<int, QTimer*> named, QObject* parent)
    : QObject(parent), named_(std::move(named)) {
    for (auto& [ms, timer] : named_) {
        timer->setSingleShot(true);
        timer->setInterval(ms);
    }
    clock_.start();
}

LinkTimers::~LinkTimers() {
    while (!running_.empty())
        Drop(running_.begin());
}

TimerHandle LinkTimers::Start(int milliseconds, std::function<void()> callback) {
    const TimerHandle handle = next_++;
    Entry entry;
    entry.callback = std::move(callback);
    auto named = named_.find(milliseconds);
    if (named != named_.end()) {
        // The window's timer serves one wait at a time: a new start replaces
        // the wait still pending on it.
        for (auto it = running_.begin(); it != running_.end(); ++it)
            if (it->second.timer == named->second) {
                Drop(it);
                break;
            }
        entry.timer = named->second;
    } else {
        entry.timer = new QTimer(this);
        entry.timer->setSingleShot(true);
        entry.timer->setInterval(milliseconds);
        entry.owned = true;
    }
    entry.connection =
        connect(entry.timer, &QTimer::timeout, this, [this, handle] { Fire(handle); });
    QTimer* timer = entry.timer;
    running_.emplace(handle, std::move(entry));
    timer->start();
    return handle;
}

void LinkTimers::Cancel(TimerHandle handle) {
    auto it = running_.find(handle);
    if (it != running_.end())
        Drop(it);
}

void LinkTimers::Fire(TimerHandle handle) {
    auto it = running_.find(handle);
    if (it == running_.end())
        return;
    auto callback = std::move(it->second.callback);
    Drop(it);
    if (callback)
        callback();
}

void LinkTimers::Drop(std::map<TimerHandle, Entry>::iterator it) {
    Entry& e = it->second;
    disconnect(e.connection);
    e.timer->stop();
    if (e.owned)
        e.timer->deleteLater();
    running_.erase(it);
}

} // namespace pmr
