#include "LowLatency.h"

#include <linux/serial.h>
#include <sys/ioctl.h>

namespace pmr {

LowLatency AskLowLatency(int fd) {
    if (fd < 0)
        return LowLatency::Refused;
    serial_struct ss{};
    if (ioctl(fd, TIOCGSERIAL, &ss) != 0)
        return LowLatency::Refused;
    if (ss.flags & ASYNC_LOW_LATENCY)
        return LowLatency::AlreadyOn;
    ss.flags |= ASYNC_LOW_LATENCY;
    return ioctl(fd, TIOCSSERIAL, &ss) == 0 ? LowLatency::Asked : LowLatency::Refused;
}

} // namespace pmr
