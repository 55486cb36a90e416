#pragma once
// The radio transfers as the main window starts them. The implementation
// (LinkController) drives the transfer over the serial port and calls back
// into the main window as the transfer goes on.

#include "image/ImageBuffers.h"

#include <array>
#include <cstdint>

namespace pmr {

class RadioLink {
public:
    virtual ~RadioLink() = default;
    /// Read the main memory: tests the port, asks, opens the progress window.
    virtual void StartRead() = 0;
    /// Write the main memory: the editors commit, then as a read.
    virtual void StartWrite() = 0;
    /// Write a kept backup's image back into the radio, whole.
    virtual void StartRestore(const std::array<std::uint8_t, kImageSize>& /*image*/) {}
    /// Read the dealer and radio information area (no question, no progress window).
    virtual void ReadRadioInfo() = 0;
    /// True while a transfer or a link search runs.
    virtual bool Busy() const = 0;
    /// Closes the serial port if it is open (end of the program).
    virtual void ClosePortIfOpen() = 0;
};

} // namespace pmr
