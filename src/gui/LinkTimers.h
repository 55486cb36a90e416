#pragma once
// The link's timers on the main window: the response timer WaitTimer (150 ms),
// ReadOKTimer (500 ms) and WaitSaveDataTimer (100 ms) are the window's own
// single-shot timers; any other interval gets a timer of its own.

#include "link/TimerService.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>

namespace pmr {

class LinkTimers : public QObject, public TimerService {
    Q_OBJECT
public:
    /// `named` maps an interval to the window's timer for it.
    explicit LinkTimers(std::map<int, QTimer*> named, QObject* parent = nullptr);
    ~LinkTimers() override;

    TimerHandle Start(int milliseconds, std::function<void()> callback) override;
    void Cancel(TimerHandle handle) override;
    std::int64_t NowMs() const override { return clock_.elapsed(); }

private:
    struct Entry {
        QTimer* timer = nullptr;
        bool owned = false;
        std::function<void()> callback;
        QMetaObject::Connection connection;
    };
    void Fire(TimerHandle handle);
    void Drop(std::map<TimerHandle, Entry>::iterator it);

    std::map<int, QTimer*> named_;
    std::map<TimerHandle, Entry> running_;
    TimerHandle next_ = 1;
    QElapsedTimer clock_;
};

} // namespace pmr
