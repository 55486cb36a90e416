#pragma once
// Every text the user sees, looked up by number in the chosen language file
// (<ProgramFolder>/language/english.ini or chinese.ini, UTF-8). The section of a
// number follows from its range (SectionForTextId); the key is the number in
// decimal. The file is read once when it is chosen, so lookups cost no file
// access; choosing another file (Load) takes effect with the next lookup.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace pmr {

/// Longest text a lookup returns, in characters.
constexpr std::size_t kMaxLangTextChars = 254;

/// The section that holds text `id`: "OTHER" below 9000, "Msg" 9000..9999, ...,
/// "KeySet" 29000..29999, "Others" from 30000.
std::string_view SectionForTextId(int id);

/// `text` with its first `marker` (such as "%1") replaced by `value`; a
/// translation without the marker keeps its words.
std::string FillMarker(std::string text, std::string_view marker, const std::string& value);

class TextCatalog {
public:
    /// Reads the language file at `path`. A missing or unreadable file gives a
    /// catalogue whose every text is empty; returns whether the file was read.
    bool Load(const std::string& path);
    /// Takes the texts from a language file's contents (as Load does after
    /// reading them); FilePath() becomes `path`.
    void LoadFromText(std::string_view iniText, const std::string& path = {});
    /// Forgets every text.
    void Clear();

    /// The text of identifier `id` in the current language, blanks removed at
    /// both ends, at most 254 characters; empty when the file, section or key
    /// does not exist.
    std::string GetLangText(int id) const;

    /// The file last given to Load ("" before that).
    const std::string& FilePath() const { return path_; }
    /// Whether that file could be read.
    bool IsLoaded() const { return loaded_; }
    /// Number of identifiers found in the file.
    std::size_t Size() const { return texts_.size(); }

private:
    std::string path_;
    bool loaded_ = false;
    std::unordered_map<int, std::string> texts_;
};

} // namespace pmr
