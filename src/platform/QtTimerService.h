#pragma once
// One-shot timers of the link on QTimer, on the thread that creates the service.

#include "link/TimerService.h"

#include <QElapsedTimer>
#include <QObject>
#include <map>

class QTimer;

namespace pmr {

class QtTimerService : public QObject, public TimerService {
    Q_OBJECT
public:
    explicit QtTimerService(QObject* parent = nullptr);
    ~QtTimerService() override;

    TimerHandle Start(int milliseconds, std::function<void()> callback) override;
    void Cancel(TimerHandle handle) override;
    std::int64_t NowMs() const override { return clock_.elapsed(); }

    /// Timers started and neither fired nor cancelled.
    std::size_t Pending() const { return timers_.size(); }

private:
    void Fire(TimerHandle handle);

    struct Entry {
        QTimer* timer;
        std::function<void()> callback;
    };
    std::map<TimerHandle, Entry> timers_;
    TimerHandle next_ = 1;
    QElapsedTimer clock_;
};

} // namespace pmr
