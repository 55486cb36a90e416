#pragma once
// Every text the user sees, looked up by number in the chosen language file.

#include <string>

namespace pmr {

class TextCatalog {
public:
    /// The text of identifier `id` in the current language; empty when unknown.
    std::string GetLangText(int id) const;
};

} // namespace pmr
