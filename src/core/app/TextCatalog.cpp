#include "app/TextCatalog.h"

#include "app/IniFile.h"

#include <charconv>
#include <optional>
#include <set>

namespace pmr {

namespace {

struct SectionRange {
    int first; // lowest identifier of the section
    std::string_view name;
};

// Ordered by first identifier; a section runs up to the next one's first.
constexpr SectionRange kSections[] = {
    {9000, "Msg"},     {10000, "Menu"},        {11000, "ToolBar"},     {12000, "Main"},
    {13000, "Model"},  {14000, "ChannelInfo"}, {15000, "ChannelEdit"}, {16000, "Option"},
    {17000, "Radio"},  {18000, "DTMF"},        {19000, "TestFre"},     {20000, "EMG"},
    {21000, "Local"},  {22000, "Port"},        {23000, "Lang"},        {24000, "About"},
    {25000, "CHEdit"}, {26000, "CHBatch"},     {27000, "AlertSet"},    {28000, "ScanSet"},
    {29000, "KeySet"}, {30000, "Others"},
};

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The identifier whose decimal text is exactly `key` ("9001", "-3"), if any.
std::optional<int> CanonicalId(std::string_view key) {
    int id = 0;
    auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), id);
    if (ec != std::errc() || end != key.data() + key.size() || std::to_string(id) != key)
        return std::nullopt;
    return id;
}

std::string CleanText(std::string value) {
    if (auto nul = value.find('\0'); nul != std::string::npos)
        value.resize(nul);
    return TrimBlanks(LimitChars(value, kMaxLangTextChars));
}

} // namespace

std::string_view SectionForTextId(int id) {
    std::string_view name = "OTHER";
    for (const SectionRange& s : kSections) {
        if (id < s.first)
            break;
        name = s.name;
    }
    return name;
}

void TextCatalog::Clear() {
    path_.clear();
    loaded_ = false;
    texts_.clear();
}

bool TextCatalog::Load(const std::string& path) {
    Clear();
    path_ = path;
    auto content = ReadWholeFile(path);
    if (!content)
        return false;
    LoadFromText(*content, path);
    return true;
}

void TextCatalog::LoadFromText(std::string_view iniText, const std::string& path) {
    Clear();
    path_ = path;
    loaded_ = true;
    const IniDocument doc = IniDocument::Parse(iniText);
    // A lookup sees the first section of a name and the first key in it, so
    // later duplicates never shadow earlier ones.
    std::set<std::string> seen;
    for (const std::string& section : doc.Sections()) {
        if (!seen.insert(Lower(section)).second)
            continue;
        const std::string wanted = Lower(section);
        for (auto& [key, value] : doc.Entries(section)) {
            auto id = CanonicalId(key);
            if (!id || Lower(SectionForTextId(*id)) != wanted)
                continue;
            texts_.emplace(*id, CleanText(std::move(value)));
        }
    }
}

std::string TextCatalog::GetLangText(int id) const {
    auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
}

std::string FillMarker(std::string text, std::string_view marker, const std::string& value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos)
        text.replace(at, marker.size(), value);
    return text;
}

} // namespace pmr
