#include "document/ChannelGridEntries.h"

#include "app/TextCatalog.h"

#include <initializer_list>

namespace pmr {

namespace {

std::vector<std::string> Texts(const TextCatalog& texts, std::initializer_list<int> ids) {
    std::vector<std::string> out;
    for (int id : ids)
        out.push_back(texts.GetLangText(id));
    return out;
}

} // namespace

std::vector<std::string> ChannelGridEntries(const TextCatalog& texts, ChannelColumn column) {
    switch (column) {
    case kColTxPower:
        return Texts(texts, {14014});
    case kColScanSkip:
        return Texts(texts, {14017, 14018});
    case kColOptSignal:
        return Texts(texts, {14013, 14019});
    case kColChSpacing:
        return Texts(texts, {14022});
    default:
        return {};
    }
}

std::string ChannelGridEntry(const TextCatalog& texts, ChannelColumn column, int value) {
    const std::vector<std::string> entries = ChannelGridEntries(texts, column);
    if (entries.empty())
        return {};
    return value >= 0 && value < static_cast<int>(entries.size())
               ? entries[static_cast<std::size_t>(value)]
               : entries.front();
}

} // namespace pmr
