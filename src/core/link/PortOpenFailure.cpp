#include "link/PortOpenFailure.h"

namespace pmr {

std::string PortOpenFailureReason(const PortOpenResult& result) {
    const std::string device = result.device.empty() ? "the port" : result.device;
    std::string text;
    switch (result.error) {
    case PortOpenError::None:
        return {};
    case PortOpenError::NoSuchDevice:
        text = "No such device: " + device +
               ". Check that the cable is plugged in and that the port number is the "
               "cable's.";
        break;
    case PortOpenError::PermissionDenied:
        text = "Permission denied for " + device + ". Join the group that owns the device (" +
               (result.group.empty() ? std::string("dialout on Debian") : result.group) +
               "), then log out and in again.";
        break;
    case PortOpenError::Busy:
        text = device + " is busy: another program holds it. Close that program and try again.";
        break;
    case PortOpenError::BadSettings:
        text = device + " does not accept the line settings.";
        break;
    case PortOpenError::Other:
        text = device + " could not be opened.";
        break;
    }
    if (!result.detail.empty())
        text += " (" + result.detail + ")";
    return text;
}

} // namespace pmr
