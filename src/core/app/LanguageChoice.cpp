#include "app/LanguageChoice.h"

#include "app/AppContext.h"
#include "app/HelpPages.h"
#include "app/SetupValues.h"

namespace pmr {

const char* LanguageFileFor(int language) {
    return language == 2 ? "chinese.ini" : "english.ini";
}

bool ApplyLanguageChoice(AppContext& app, int listIndex) {
    Config& c = app.config;
    bool changed = false;
    if (listIndex + 1 != c.CurrentLanguage) {
        c.ShownLanguage = c.CurrentLanguage;
        c.CurrentLanguage = static_cast<std::int16_t>(listIndex + 1);
        c.LanguageFile = listIndex == 1 ? "chinese.ini" : "english.ini";
        c.HelpFile = HelpFileFor(app.paths, c.CurrentLanguage);
        app.texts.Load(LanguageFilePath(app.paths, c.LanguageFile));
        changed = true;
    }
    WriteSetupValue(app.paths, "CurrentLanguage", c.CurrentLanguage);
    return changed;
}

} // namespace pmr
