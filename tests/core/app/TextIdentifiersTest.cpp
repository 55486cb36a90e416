// The two language files must answer every text lookup the program makes: the same
// identifiers in both languages, each in the section its number range selects, none
// of them empty or longer than a lookup can return. The files are read here with a
// reader of their own, so a fault in the program's INI code cannot hide a gap.

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = PMR_SOURCE_DIR;
const fs::path kEnglish = kSourceDir / "data" / "language" / "english.ini";
const fs::path kChinese = kSourceDir / "data" / "language" / "chinese.ini";
const fs::path kNamedIds = kSourceDir / "tests" / "core" / "app" / "text_ids.txt";

// A lookup reads into a buffer of 255 characters; one is the terminator.
constexpr std::size_t kMaxTextBytes = 254;

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string TrimBlanks(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// The section a lookup of `id` reads, lower-cased (sections match without regard to case).
std::string SectionOf(long id) {
    static const std::vector<std::pair<long, const char*>> table = {
        {9000, "other"},    {10000, "msg"},    {11000, "menu"},        {12000, "toolbar"},
        {13000, "main"},    {14000, "model"},  {15000, "channelinfo"}, {16000, "channeledit"},
        {17000, "option"},  {18000, "radio"},  {19000, "dtmf"},        {20000, "testfre"},
        {21000, "emg"},     {22000, "local"},  {23000, "port"},        {24000, "lang"},
        {25000, "about"},   {26000, "chedit"}, {27000, "chbatch"},     {28000, "alertset"},
        {29000, "scanset"}, {30000, "keyset"}};
    for (const auto& [below, name] : table)
        if (id < below)
            return name;
    return "others";
}

struct IniText {
    std::string raw;                                                    // the file's bytes
    std::map<std::string, std::map<std::string, std::string>> sections; // lower-cased names
    std::vector<std::string> duplicates;                                // "section/key" seen twice
    std::vector<std::string> strayLines; // neither section, key nor blank
};

// Reads INI text as the private-profile functions see it: LF or CR LF line ends,
// section and key names without regard to case, values with blanks removed at both
// ends, the first occurrence of a key wins.
IniText ParseIni(const std::string& raw) {
    IniText ini;
    ini.raw = raw;
    std::istringstream in(raw);
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string t = TrimBlanks(line);
        if (t.empty() || t[0] == ';')
            continue;
        if (t.front() == '[') {
            const auto close = t.find(']');
            if (close == std::string::npos) {
                ini.strayLines.push_back(line);
                continue;
            }
            section = Lower(TrimBlanks(t.substr(1, close - 1)));
            ini.sections[section];
            continue;
        }
        const auto eq = t.find('=');
        if (eq == std::string::npos || section.empty()) {
            ini.strayLines.push_back(line);
            continue;
        }
        const std::string key = Lower(TrimBlanks(t.substr(0, eq)));
        auto& keys = ini.sections[section];
        if (keys.count(key))
            ini.duplicates.push_back(section + "/" + key);
        else
            keys[key] = TrimBlanks(t.substr(eq + 1));
    }
    return ini;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

const IniText& English() {
    static const IniText ini = ParseIni(ReadFile(kEnglish));
    return ini;
}
const IniText& Chinese() {
    static const IniText ini = ParseIni(ReadFile(kChinese));
    return ini;
}

std::set<std::pair<std::string, std::string>> IdentifiersOf(const IniText& ini) {
    std::set<std::pair<std::string, std::string>> ids;
    for (const auto& [section, keys] : ini.sections)
        for (const auto& [key, value] : keys)
            ids.insert({section, key});
    return ids;
}

// The text a lookup of `id` finds, or nullptr.
const std::string* Lookup(const IniText& ini, long id) {
    const auto s = ini.sections.find(SectionOf(id));
    if (s == ini.sections.end())
        return nullptr;
    const auto k = s->second.find(std::to_string(id));
    return k == s->second.end() ? nullptr : &k->second;
}

bool IsValidUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t follow = 0;
        if (c >= 0x80) {
            if ((c >> 5) == 0x6)
                follow = 1;
            else if ((c >> 4) == 0xE)
                follow = 2;
            else if ((c >> 3) == 0x1E)
                follow = 3;
            else
                return false;
        }
        if (i + follow >= s.size())
            return false;
        for (std::size_t k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 0x2)
                return false;
        i += follow + 1;
    }
    return true;
}

struct SourceLookup {
    fs::path file;
    long id;
};

// Every `GetLangText(<decimal literal>)` under src/; calls with any other argument
// (the catalogue's own definition, computed identifiers) are counted in `others`.
std::vector<SourceLookup> LiteralLookupsInSources(std::vector<std::string>& others) {
    static const std::vector<std::string> helpers = {"GetLangText"};
    std::vector<SourceLookup> found;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
        if (!entry.is_regular_file())
            continue;
        const auto ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h" && ext != ".hpp" && ext != ".cc")
            continue;
        const std::string text = ReadFile(entry.path());
        for (const auto& name : helpers) {
            for (auto pos = text.find(name); pos != std::string::npos;
                 pos = text.find(name, pos + name.size())) {
                if (pos > 0 && (std::isalnum(static_cast<unsigned char>(text[pos - 1])) ||
                                text[pos - 1] == '_'))
                    continue;
                std::size_t p = pos + name.size();
                while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p])))
                    ++p;
                if (p >= text.size() || text[p] != '(')
                    continue;
                ++p;
                while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p])))
                    ++p;
                const std::size_t digits = p;
                while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p])))
                    ++p;
                std::size_t end = p;
                while (end < text.size() && std::isspace(static_cast<unsigned char>(text[end])))
                    ++end;
                if (p > digits && end < text.size() && text[end] == ')')
                    found.push_back({entry.path(), std::stol(text.substr(digits, p - digits))});
                else
                    others.push_back(
                        entry.path().filename().string() + ": " +
                        text.substr(pos, std::min<std::size_t>(40, text.size() - pos)));
            }
        }
    }
    return found;
}

std::vector<long> NamedIdentifiers() {
    std::vector<long> ids;
    std::ifstream f(kNamedIds);
    std::string line;
    while (std::getline(f, line)) {
        line = TrimBlanks(line.substr(0, line.find('\r')));
        if (line.empty() || line[0] == '#')
            continue;
        ids.push_back(std::stol(line));
    }
    return ids;
}

TEST(TextIdentifiers, ReaderFollowsTheLookupRules) {
    const IniText ini = ParseIni("[MSG]\r\n 9017 =  OK  \r\n9017=second\n[keyset]\n29040=None\n");
    ASSERT_NE(Lookup(ini, 9017), nullptr);
    EXPECT_EQ(*Lookup(ini, 9017), "OK");
    ASSERT_NE(Lookup(ini, 29040), nullptr);
    EXPECT_EQ(*Lookup(ini, 29040), "None");
    EXPECT_EQ(Lookup(ini, 9018), nullptr);
    EXPECT_EQ(ini.duplicates.size(), 1u);
    EXPECT_EQ(SectionOf(8999), "other");
    EXPECT_EQ(SectionOf(9000), "msg");
    EXPECT_EQ(SectionOf(29999), "keyset");
    EXPECT_EQ(SectionOf(30000), "others");
}

TEST(TextIdentifiers, BothFilesAreCleanUtf8Catalogues) {
    for (const IniText* ini : {&English(), &Chinese()}) {
        ASSERT_FALSE(ini->raw.empty()) << "a language file is missing or empty";
        EXPECT_NE(ini->raw.substr(0, 3), "\xEF\xBB\xBF")
            << "a byte-order mark would hide the first section";
        EXPECT_TRUE(IsValidUtf8(ini->raw));
        EXPECT_TRUE(ini->duplicates.empty()) << "first duplicate: " << ini->duplicates.front();
        EXPECT_TRUE(ini->strayLines.empty()) << "first stray line: " << ini->strayLines.front();
    }
}

TEST(TextIdentifiers, BothFilesHoldTheSameIdentifiers) {
    const auto en = IdentifiersOf(English());
    const auto zh = IdentifiersOf(Chinese());
    EXPECT_GT(en.size(), 400u);
    for (const auto& id : en)
        EXPECT_TRUE(zh.count(id)) << "only in english.ini: [" << id.first << "] " << id.second;
    for (const auto& id : zh)
        EXPECT_TRUE(en.count(id)) << "only in chinese.ini: [" << id.first << "] " << id.second;
}

TEST(TextIdentifiers, EveryTextSitsWhereItsLookupReadsAndFitsTheBuffer) {
    for (const IniText* ini : {&English(), &Chinese()}) {
        for (const auto& [section, keys] : ini->sections) {
            for (const auto& [key, value] : keys) {
                const bool numeric = !key.empty() && key.size() <= 6 &&
                                     std::all_of(key.begin(), key.end(),
                                                 [](unsigned char c) { return std::isdigit(c); });
                ASSERT_TRUE(numeric) << "[" << section << "] key " << key;
                EXPECT_EQ(SectionOf(std::stol(key)), section) << "text " << key;
                EXPECT_FALSE(value.empty()) << "text " << key << " is empty";
                EXPECT_LE(value.size(), kMaxTextBytes) << "text " << key << " would be cut";
            }
        }
    }
}

TEST(TextIdentifiers, TheChineseFileIsTranslated) {
    std::size_t total = 0, chinese = 0;
    for (const auto& [section, keys] : Chinese().sections) {
        for (const auto& [key, value] : keys) {
            ++total;
            if (std::any_of(value.begin(), value.end(), [](unsigned char c) { return c >= 0x80; }))
                ++chinese;
        }
    }
    ASSERT_GT(total, 0u);
    // Units, codes and tone names ("12.5 kHz", "DTMF", "COM") read the same in both.
    EXPECT_GE(chinese * 10, total * 9) << chinese << " of " << total << " texts are translated";
    const std::string* title = Lookup(Chinese(), 12000);
    ASSERT_NE(title, nullptr);
    ASSERT_NE(Lookup(English(), 12000), nullptr);
    EXPECT_NE(*title, *Lookup(English(), 12000));
}

TEST(TextIdentifiers, EveryIdentifierTheProgramLooksUpExists) {
    std::vector<std::string> others;
    const auto lookups = LiteralLookupsInSources(others);
    ASSERT_FALSE(lookups.empty()) << "no GetLangText call found under " << (kSourceDir / "src");
    std::set<long> checked;
    for (const auto& lookup : lookups) {
        if (!checked.insert(lookup.id).second)
            continue;
        EXPECT_NE(Lookup(English(), lookup.id), nullptr)
            << "english.ini lacks text " << lookup.id << " (used in " << lookup.file << ")";
        EXPECT_NE(Lookup(Chinese(), lookup.id), nullptr)
            << "chinese.ini lacks text " << lookup.id << " (used in " << lookup.file << ")";
    }
    RecordProperty("LiteralIdentifiers", static_cast<int>(checked.size()));
    RecordProperty("OtherCalls", static_cast<int>(others.size()));
}

TEST(TextIdentifiers, EveryIdentifierOfTheCatalogueListExists) {
    const auto ids = NamedIdentifiers();
    ASSERT_GT(ids.size(), 400u) << "cannot read " << kNamedIds;
    for (const long id : ids) {
        EXPECT_NE(Lookup(English(), id), nullptr) << "english.ini lacks text " << id;
        EXPECT_NE(Lookup(Chinese(), id), nullptr) << "chinese.ini lacks text " << id;
    }
}

} // namespace
