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
#include <optional>
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

struct SourceFile {
    fs::path path;
    std::string text;
};

std::vector<SourceFile> ProgramSources() {
    std::vector<SourceFile> files;
    for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / "src")) {
        if (!entry.is_regular_file())
            continue;
        const auto ext = entry.path().extension().string();
        if (ext == ".cpp" || ext == ".h" || ext == ".hpp" || ext == ".cc")
            files.push_back({entry.path(), ReadFile(entry.path())});
    }
    return files;
}

bool IsWordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

bool IsDecimal(const std::string& s) {
    return !s.empty() && s.size() <= 9 &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool IsIdentifier(const std::string& s) {
    return !s.empty() && !std::isdigit(static_cast<unsigned char>(s[0])) &&
           std::all_of(s.begin(), s.end(), IsWordChar);
}

struct Call {
    std::size_t pos;
    std::string argument; // between the parentheses, blanks trimmed
};

// Every call of `name(...)` in `text`, with its whole argument text.
std::vector<Call> CallsOf(const std::string& text, const std::string& name) {
    std::vector<Call> calls;
    for (auto pos = text.find(name); pos != std::string::npos;
         pos = text.find(name, pos + name.size())) {
        if ((pos > 0 && IsWordChar(text[pos - 1])) ||
            (pos + name.size() < text.size() && IsWordChar(text[pos + name.size()])))
            continue;
        std::size_t p = pos + name.size();
        while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p])))
            ++p;
        if (p >= text.size() || text[p] != '(')
            continue;
        int depth = 0;
        std::size_t close = p;
        for (; close < text.size(); ++close) {
            if (text[close] == '(')
                ++depth;
            else if (text[close] == ')' && --depth == 0)
                break;
        }
        if (close >= text.size())
            continue;
        std::string arg = text.substr(p + 1, close - p - 1);
        arg.erase(
            std::remove_if(arg.begin(), arg.end(), [](unsigned char c) { return std::isspace(c); }),
            arg.end());
        calls.push_back({pos, arg});
    }
    return calls;
}

// A function or lambda whose `int` parameter goes straight to GetLangText, such as
// `auto text = [&app](int id) { return ...GetLangText(id)...; }`. A lambda is only
// visible in its own file.
struct Wrapper {
    std::string name;
    bool local;
    fs::path file;
};

std::optional<Wrapper> WrapperAround(const SourceFile& src, std::size_t callPos,
                                     const std::string& param) {
    const std::string& t = src.text;
    const std::size_t from = callPos > 400 ? callPos - 400 : 0;
    const std::string window = t.substr(from, callPos - from);
    std::size_t decl = std::string::npos;
    for (auto p = window.rfind("int " + param); p != std::string::npos;
         p = p == 0 ? std::string::npos : window.rfind("int " + param, p - 1)) {
        std::size_t q = p + 4 + param.size();
        while (q < window.size() && std::isspace(static_cast<unsigned char>(window[q])))
            ++q;
        if (q < window.size() && window[q] == ')') {
            decl = from + p;
            break;
        }
    }
    if (decl == std::string::npos)
        return std::nullopt;
    const auto open = t.rfind('(', decl);
    if (open == std::string::npos || open == 0)
        return std::nullopt;
    auto back = [&t](std::size_t q) {
        while (q > 0 && std::isspace(static_cast<unsigned char>(t[q])))
            --q;
        return q;
    };
    auto wordEndingAt = [&t](std::size_t q) {
        std::size_t b = q + 1;
        while (b > 0 && IsWordChar(t[b - 1]))
            --b;
        return t.substr(b, q + 1 - b);
    };
    std::size_t q = back(open - 1);
    if (t[q] == ']') {
        const auto bracket = t.rfind('[', q);
        if (bracket == std::string::npos || bracket == 0)
            return std::nullopt;
        q = back(bracket - 1);
        if (t[q] != '=' || q == 0)
            return std::nullopt;
        const std::string name = wordEndingAt(back(q - 1));
        if (!IsIdentifier(name))
            return std::nullopt;
        return Wrapper{name, true, src.path};
    }
    const std::string name = wordEndingAt(q);
    if (!IsIdentifier(name) || name == "GetLangText")
        return std::nullopt;
    return Wrapper{name, false, src.path};
}

struct SourceLookup {
    fs::path file;
    long id;
};

// Every text identifier the program looks up with a literal: `GetLangText(9021)` and
// the same through a wrapper (`text(24000)`). Calls with any other argument are
// listed in `others`; the wrappers found in `wrappers`.
std::vector<SourceLookup> LiteralLookupsInSources(std::vector<std::string>& others,
                                                  std::vector<Wrapper>& wrappers) {
    const auto sources = ProgramSources();
    std::vector<SourceLookup> found;
    for (const auto& src : sources) {
        for (const auto& call : CallsOf(src.text, "GetLangText")) {
            if (IsDecimal(call.argument)) {
                found.push_back({src.path, std::stol(call.argument)});
                continue;
            }
            if (IsIdentifier(call.argument))
                if (auto w = WrapperAround(src, call.pos, call.argument)) {
                    wrappers.push_back(*w);
                    continue;
                }
            others.push_back(src.path.filename().string() + ": GetLangText(" + call.argument + ")");
        }
    }
    for (const auto& w : wrappers)
        for (const auto& src : sources) {
            if (w.local && src.path != w.file)
                continue;
            for (const auto& call : CallsOf(src.text, w.name))
                if (IsDecimal(call.argument))
                    found.push_back({src.path, std::stol(call.argument)});
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
    std::vector<Wrapper> wrappers;
    const auto lookups = LiteralLookupsInSources(others, wrappers);
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
    RecordProperty("Wrappers", static_cast<int>(wrappers.size()));
    std::string names, calls;
    for (const auto& w : wrappers)
        names += w.name + (w.local ? " (" + w.file.filename().string() + ") " : " ");
    for (const auto& o : others)
        calls += o + "; ";
    // Computed identifiers cannot be checked here; the catalogue list covers them.
    RecordProperty("WrapperNames", names);
    RecordProperty("OtherCalls", calls);
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
