#include "document/MemberCaption.h"

#include "app/TextCatalog.h"
#include "document/DocumentMembers.h"

namespace pmr {

std::string MemberCaption(const TextCatalog& texts, const MemberName& name) {
    std::string label = name.labelId != 0 ? texts.GetLangText(name.labelId) : std::string();
    if (label.empty())
        return name.key;
    if (name.number > 0)
        label = label.find("%1") != std::string::npos
                    ? FillMarker(label, "%1", std::to_string(name.number))
                    : label + " " + std::to_string(name.number);
    if (name.partId != 0)
        label += ", " + texts.GetLangText(name.partId);
    return label;
}

std::string MemberPlace(const TextCatalog& texts, int channelNo, const MemberName& name) {
    if (channelNo == kVfoChannelNo)
        return "VFO";
    if (channelNo > 0)
        return FillMarker(texts.GetLangText(9070), "%1", std::to_string(channelNo));
    return texts.GetLangText(name.windowId);
}

} // namespace pmr
