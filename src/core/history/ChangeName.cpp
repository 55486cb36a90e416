#include "history/ChangeName.h"

#include "app/TextCatalog.h"
#include "document/DocumentCompare.h"
#include "document/MemberCaption.h"

#include <algorithm>
#include <set>

namespace pmr {
namespace {

/// "RX frequency (MHz)" reads "RX frequency" in a menu entry.
std::string WithoutUnit(std::string caption) {
    const auto open = caption.rfind(" (");
    if (open != std::string::npos && !caption.empty() && caption.back() == ')')
        caption.erase(open);
    return caption;
}

} // namespace

std::string ChannelRuns(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::string out;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1 &&
               numbers[j + 1] != kVfoChannelNo)
            ++j;
        if (!out.empty())
            out += ", ";
        auto name = [](int no) { return no == kVfoChannelNo ? std::string("VFO") : std::to_string(no); };
        out += name(numbers[i]);
        if (j > i)
            out += "-" + name(numbers[j]);
        i = j + 1;
    }
    return out;
}

std::string ChangeName(const RadioDocument& before, const RadioDocument& after,
                       const TextCatalog& texts) {
    if (before == after)
        return {};
    const std::vector<DocumentDifference> diffs = CompareDocuments(before, after, texts);
    std::vector<int> channels;
    std::set<int> windows;
    for (const DocumentDifference& d : diffs) {
        if (d.kind == DifferenceKind::Setting)
            windows.insert(d.name.windowId);
        else
            channels.push_back(d.channelNo);
    }
    // Mixed changes, and those only the stored bytes tell apart (blanks
    // after a name), have no better name.
    if (diffs.empty() || (!channels.empty() && !windows.empty()))
        return texts.GetLangText(9373);
    if (windows.empty()) {
        const std::string runs = ChannelRuns(channels);
        const DocumentDifference& first = diffs.front();
        if (diffs.size() == 1 && first.kind == DifferenceKind::ChannelMember)
            return FillMarker(FillMarker(texts.GetLangText(9370), "%1", runs), "%2",
                              WithoutUnit(MemberCaption(texts, first.name)));
        const bool one = std::set<int>(channels.begin(), channels.end()).size() == 1;
        return FillMarker(texts.GetLangText(one ? 9371 : 9372), "%1", runs);
    }
    if (diffs.size() == 1)
        return WithoutUnit(MemberCaption(texts, diffs.front().name));
    if (windows.size() == 1)
        return texts.GetLangText(*windows.begin());
    return texts.GetLangText(9373);
}

} // namespace pmr
