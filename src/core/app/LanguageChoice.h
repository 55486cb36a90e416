#pragma once
// Switching the language: what the language dialog's OK does.

namespace pmr {

struct AppContext;

/// The language dialog's list: index 0 English, 1 Chinese. When index + 1
/// differs from CurrentLanguage, ShownLanguage takes the old language and
/// CurrentLanguage, LanguageFile, the help pages and the loaded texts change;
/// either way CurrentLanguage is written to mysetup.ini. Returns whether the
/// language changed.
bool ApplyLanguageChoice(AppContext& app, int listIndex);

/// "chinese.ini" for language 2, "english.ini" for any other.
const char* LanguageFileFor(int language);

} // namespace pmr
