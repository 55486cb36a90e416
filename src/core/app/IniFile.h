#pragma once
// Private-profile INI files: the setup file, the version table and the language
// files. Sections and keys match without regard to letter case, values come back
// with blanks removed at both ends, and anything missing gives the caller's
// default. Writing a key touches only that key's line; every other line, comment
// and line ending stays byte for byte as it was.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pmr {

/// Longest value a private-profile read returns, given the caller's buffer size
/// (the buffer holds the terminating NUL as well).
constexpr std::size_t kLangTextBuffer = 255;   // language texts: at most 254 characters
constexpr std::size_t kSetupValueBuffer = 512; // setup and version values: at most 511

/// One INI text held in memory, line by line, so that it can be written back
/// unchanged except for the keys that were set.
class IniDocument {
public:
    IniDocument() = default;
    /// Any byte sequence is accepted; lines that are neither a section header nor
    /// a "key=value" line are kept but never match a lookup.
    static IniDocument Parse(std::string_view text);

    /// The trimmed value of the first `key` in the first `section` of that name,
    /// or nothing when the section or the key does not exist.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    /// Sets `key` to `value` (written as given), adding the section at the end and
    /// the key after the section's last entry when they are missing. Refuses
    /// (returns false) names or values that would break the line structure: line
    /// breaks or NUL anywhere, "=" in the key, "]" in the section, empty names.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    /// The section names in file order (first spelling of each, duplicates kept).
    std::vector<std::string> Sections() const;
    /// The keys of the first section of that name, in file order.
    std::vector<std::string> Keys(std::string_view section) const;
    /// The (key, trimmed value) entries of the first section of that name, in
    /// file order, duplicates included.
    std::vector<std::pair<std::string, std::string>> Entries(std::string_view section) const;

    /// The text again: untouched lines exactly as parsed.
    std::string Serialize() const;

    /// The line ending new lines get: the file's own ("\r\n" or "\n"), "\n" for
    /// a text that had none.
    const std::string& LineEnding() const { return eol_; }

private:
    struct Line {
        std::string text; // without its line ending
        std::string end;  // "\r\n", "\n" or "" (last line without one)
    };
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::string bom_;
    std::vector<Line> lines_;
    std::string eol_ = "\n";
};

/// Removes blanks (spaces and tabs) at both ends.
std::string TrimBlanks(std::string_view text);

/// Cuts `text` to at most `maxChars` characters, counting UTF-8 sequences as one
/// character and never splitting one.
std::string LimitChars(std::string_view text, std::size_t maxChars);

/// The whole file, or nothing when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& path);

/// GetPrivateProfileString: the value of `key` in `section` of the file at
/// `path`, trimmed and cut to `bufferSize` - 1 characters; `defaultValue` when
/// the file, the section or the key is missing.
std::string ReadProfileString(const std::string& path, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize = kSetupValueBuffer);

/// WritePrivateProfileString: sets one key, creating the file, the section or
/// the key when missing. The folder must exist. Returns false when the file
/// could not be written (the old file is then left as it was).
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

} // namespace pmr
