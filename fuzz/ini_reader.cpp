// Any bytes as an INI file: reading never fails, writing back is exact, and a
// key that was set reads back as set after a second parse.

#include "app/IniFile.h"
#include "app/TextCatalog.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Check(bool ok) {
    if (!ok)
        std::abort();
}

bool HasOuterBlank(const std::string& s) {
    return !s.empty() &&
           (s.front() == ' ' || s.front() == '\t' || s.back() == ' ' || s.back() == '\t');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    pmr::IniDocument doc = pmr::IniDocument::Parse(text);
    Check(doc.Serialize() == text);
    for (const std::string& section : doc.Sections())
        for (const auto& [key, value] : doc.Entries(section)) {
            Check(!HasOuterBlank(key) && !HasOuterBlank(value));
            Check(doc.Get(section, key).has_value());
        }

    // A key taken from the input itself, so existing keys get replaced too.
    std::string key = "comPort";
    if (auto sections = doc.Sections(); !sections.empty()) {
        auto keys = doc.Keys(sections.front());
        if (!keys.empty())
            key = keys.front();
    }
    const bool set = doc.Set("language", key, "7") && doc.Set("Msg", "9001", " x ");
    if (set) {
        pmr::IniDocument again = pmr::IniDocument::Parse(doc.Serialize());
        Check(again.Get("language", key) == std::string("7"));
        Check(again.Get("msg", "9001") == std::string("x"));
    }

    pmr::TextCatalog texts;
    texts.LoadFromText(text);
    for (int id : {-1, 0, 8999, 9000, 9001, 9017, 12000, 29999, 30000})
        (void)texts.GetLangText(id);
    Check(texts.Size() <= size);

    Check(pmr::LimitChars(text, size % 300).size() <= size);
    return 0;
}
