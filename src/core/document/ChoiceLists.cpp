#include "document/ChoiceLists.h"

#include "app/AppContext.h"

#include <algorithm>

namespace pmr {

std::vector<int> ChannelNumberList(const RadioDocument& doc) {
    std::vector<int> numbers;
    const int count = std::min<int>(doc.ChannelCount, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        const int no = doc.Channels[static_cast<std::size_t>(i)].ChannelNo;
        if (no >= 1 && no < kVfoChannelNo)
            numbers.push_back(no);
    }
    // The editors have always sorted from the second entry on; the first keeps its place.
    if (numbers.size() > 2)
        std::sort(numbers.begin() + 1, numbers.end());
    return numbers;
}

std::vector<std::string> ChannelNumberTexts(const RadioDocument& doc) {
    std::vector<int> numbers;
    const int count = std::clamp<int>(doc.ChannelCount, 0, kMaxChannelEntries);
    for (int i = 0; i < count; ++i)
        numbers.push_back(doc.Channels[static_cast<std::size_t>(i)].ChannelNo);
    std::sort(numbers.begin(), numbers.end());
    std::vector<std::string> texts;
    texts.reserve(numbers.size());
    for (int no : numbers)
        texts.push_back(std::to_string(no));
    return texts;
}

std::vector<int> FmPresetNumberList(const RadioDocument& doc) {
    std::vector<int> numbers;
    for (std::size_t i = 0; i < doc.FmPresets.size(); ++i)
        if (doc.FmPresets[i].IsEmpty == 0)
            numbers.push_back(static_cast<int>(i) + 1);
    return numbers;
}

std::vector<std::string> DtmfGroupList(const AppContext& app) {
    std::vector<std::string> entries{app.texts.GetLangText(14013)};
    const auto& memories = app.doc.Settings.Dtmf.DialMemory;
    for (std::size_t i = 0; i < memories.size(); ++i)
        if (memories[i].Len > 0)
            entries.push_back(std::to_string(i + 1));
    return entries;
}

} // namespace pmr
