#include "link/PortOpenFailure.h"

#include "app/TextCatalog.h"

namespace pmr {

namespace {

std::string Text(const TextCatalog* texts, int id, const char* english) {
    std::string text = texts ? texts->GetLangText(id) : std::string();
    return text.empty() ? std::string(english) : text;
}

} // namespace

std::string PortOpenFailureReason(const PortOpenResult& result, const TextCatalog* texts) {
    const std::string device =
        result.device.empty() ? Text(texts, 9106, "the port") : result.device;
    std::string text;
    switch (result.error) {
    case PortOpenError::None:
        return {};
    case PortOpenError::NoSuchDevice:
        text = Text(texts, 9101,
                    "No such device: %1. Check that the cable is plugged in and that the port "
                    "number is the cable's.");
        break;
    case PortOpenError::PermissionDenied:
        text = FillMarker(Text(texts, 9102,
                         "Permission denied for %1. Join the group that owns the device (%2), "
                         "then log out and in again."),
                    "%2",
                    result.group.empty() ? Text(texts, 9107, "dialout on Debian") : result.group);
        break;
    case PortOpenError::Busy:
        text = Text(texts, 9103,
                    "%1 is busy: another program holds it. Close that program and try again.");
        break;
    case PortOpenError::BadSettings:
        text = Text(texts, 9104, "%1 does not accept the line settings.");
        break;
    case PortOpenError::Other:
        text = Text(texts, 9105, "%1 could not be opened.");
        break;
    }
    text = FillMarker(text, "%1", device);
    if (!result.detail.empty())
        text += " (" + result.detail + ")";
    return text;
}

} // namespace pmr
