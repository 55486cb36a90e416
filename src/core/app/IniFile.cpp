#include "app/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace pmr {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// Setup, version and language files are a few kilobytes; anything far larger is
// not one of them and is treated as unreadable rather than loaded whole.
constexpr std::uintmax_t kMaxIniFileSize = 16u * 1024u * 1024u;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    return true;
}

std::string_view TrimView(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b]))
        ++b;
    while (e > b && IsBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool IsComment(std::string_view trimmed) {
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// "[name]" gives name; a header whose "]" is missing names the rest of the line.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view t = TrimView(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    t.remove_prefix(1);
    std::size_t close = t.find(']');
    if (close != std::string_view::npos)
        t = t.substr(0, close);
    return TrimView(t);
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> SplitEntry(std::string_view line) {
    std::string_view t = TrimView(line);
    if (t.empty() || t.front() == '[' || IsComment(t))
        return std::nullopt;
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    std::string_view key = TrimView(t.substr(0, eq));
    if (key.empty())
        return std::nullopt;
    return KeyValue{key, TrimView(t.substr(eq + 1))};
}

bool HasLineBreakOrNul(std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

} // namespace

std::string TrimBlanks(std::string_view text) {
    return std::string(TrimView(text));
}

std::string LimitChars(std::string_view text, std::size_t maxChars) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0u) == 0x80u)
            continue; // continuation byte: belongs to the character before
        if (count == maxChars)
            return std::string(text.substr(0, i));
        ++count;
    }
    return std::string(text);
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        doc.bom_ = std::string(kUtf8Bom);
        text.remove_prefix(kUtf8Bom.size());
    }
    bool eolKnown = false;
    while (!text.empty()) {
        std::size_t nl = text.find('\n');
        Line line;
        if (nl == std::string_view::npos) {
            // A lone CR at the very end is the start of a line ending that a
            // later "\n" completes; keeping it in the text would change the
            // line when a key is appended.
            const bool cr = text.back() == '\r';
            line.text = std::string(text.substr(0, text.size() - (cr ? 1 : 0)));
            line.end = cr ? "\r" : "";
            text = {};
        } else {
            std::size_t textEnd = nl;
            if (nl > 0 && text[nl - 1] == '\r')
                --textEnd;
            line.text = std::string(text.substr(0, textEnd));
            line.end = std::string(text.substr(textEnd, nl + 1 - textEnd));
            text.remove_prefix(nl + 1);
            if (!eolKnown) {
                doc.eol_ = line.end;
                eolKnown = true;
            }
        }
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::optional<std::size_t> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        auto name = SectionName(lines_[i].text);
        if (name && EqualsNoCase(*name, section))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    auto header = FindSection(section);
    if (!header)
        return std::nullopt;
    for (std::size_t i = *header + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text))
            break;
        auto entry = SplitEntry(lines_[i].text);
        if (entry && EqualsNoCase(entry->key, key))
            return std::string(entry->value);
    }
    return std::nullopt;
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = TrimView(section);
    key = TrimView(key);
    if (section.empty() || key.empty() || HasLineBreakOrNul(section) || HasLineBreakOrNul(key) ||
        HasLineBreakOrNul(value) || section.find(']') != std::string_view::npos ||
        key.find('=') != std::string_view::npos || key.front() == '[' || IsComment(key))
        return false;

    auto terminate = [this](Line& line) {
        if (line.end.empty())
            line.end = eol_;
        else if (line.end == "\r")
            line.end = "\r\n";
    };
    auto endLast = [this, &terminate] {
        if (!lines_.empty())
            terminate(lines_.back());
    };
    const std::string newEntry = std::string(key) + "=" + std::string(value);

    auto header = FindSection(section);
    if (!header) {
        endLast();
        lines_.push_back({"[" + std::string(section) + "]", eol_});
        lines_.push_back({newEntry, eol_});
        return true;
    }
    std::size_t lastEntry = *header;
    for (std::size_t i = *header + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text))
            break;
        auto entry = SplitEntry(lines_[i].text);
        if (!entry)
            continue;
        if (EqualsNoCase(entry->key, key)) {
            // Keep the line's indentation and its own spelling of the key.
            std::string& text = lines_[i].text;
            const std::size_t keyEnd =
                static_cast<std::size_t>(entry->key.data() - text.data()) + entry->key.size();
            text = text.substr(0, keyEnd) + "=" + std::string(value);
            return true;
        }
        lastEntry = i;
    }
    terminate(lines_[lastEntry]);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(lastEntry) + 1, {newEntry, eol_});
    return true;
}

std::vector<std::string> IniDocument::Sections() const {
    std::vector<std::string> names;
    for (const Line& line : lines_)
        if (auto name = SectionName(line.text))
            names.emplace_back(*name);
    return names;
}

std::vector<std::pair<std::string, std::string>>
IniDocument::Entries(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> entries;
    auto header = FindSection(section);
    if (!header)
        return entries;
    for (std::size_t i = *header + 1; i < lines_.size(); ++i) {
        if (SectionName(lines_[i].text))
            break;
        if (auto entry = SplitEntry(lines_[i].text))
            entries.emplace_back(std::string(entry->key), std::string(entry->value));
    }
    return entries;
}

std::vector<std::string> IniDocument::Keys(std::string_view section) const {
    std::vector<std::string> keys;
    for (auto& entry : Entries(section))
        keys.push_back(std::move(entry.first));
    return keys;
}

std::string IniDocument::Serialize() const {
    std::string out = bom_;
    for (const Line& line : lines_) {
        out += line.text;
        out += line.end;
    }
    return out;
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        return std::nullopt;
    auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxIniFileSize)
        return std::nullopt;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string content;
    char buf[8192];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        content.append(buf, n);
        if (content.size() > kMaxIniFileSize)
            break;
    }
    const bool failed = std::ferror(f) != 0 || content.size() > kMaxIniFileSize;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return content;
}

std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
    const std::size_t maxChars = bufferSize > 0 ? bufferSize - 1 : 0;
    std::string value;
    std::optional<std::string> found;
    if (auto content = ReadWholeFile(path))
        found = IniDocument::Parse(*content).Get(section, key);
    value = found ? std::move(*found) : std::string(defaultValue);
    // The caller's buffer ends at the first NUL, as the system's would.
    if (auto nul = value.find('\0'); nul != std::string::npos)
        value.resize(nul);
    return TrimBlanks(LimitChars(value, maxChars));
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const bool exists = fs::exists(path, ec);
    if (ec || fs::is_directory(path, ec))
        return false;
    IniDocument doc;
    if (exists) {
        // Never replace a file that could not be read: its other lines would be lost.
        auto content = ReadWholeFile(path);
        if (!content)
            return false;
        doc = IniDocument::Parse(*content);
    }
    if (!doc.Set(section, key, value))
        return false;
    const std::string text = doc.Serialize();

    auto writeTo = [&text](const std::string& target) {
        std::FILE* f = std::fopen(target.c_str(), "wb");
        if (!f)
            return false;
        bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
        ok = std::fclose(f) == 0 && ok;
        return ok;
    };

    // Write a sibling first and move it over the file, so a failure half-way
    // (full disk) leaves the old file whole.
    const std::string temp = path + ".new~";
    if (writeTo(temp)) {
        if (exists) {
            auto perms = fs::status(path, ec).permissions();
            if (!ec)
                fs::permissions(temp, perms, ec);
        }
        fs::rename(temp, path, ec);
        if (!ec)
            return true;
    }
    fs::remove(temp, ec);
    // The folder may refuse new files while the file itself is writable.
    return writeTo(path);
}

} // namespace pmr
