#pragma once
// Qt's own texts (the standard buttons of message boxes and dialogs, the file
// dialog, the text boxes' context menus) in the program's language. They come
// from the translations Qt installs with the system, not from the program's
// language files.

class QString;

namespace pmr {

/// Puts Qt's texts into `language` (2 Chinese, anything else English),
/// replacing the translation loaded before. Returns false when the system
/// lacks Qt's translation for the language; Qt's English texts are then shown.
bool LoadQtTranslations(int language);

/// The folder Qt's translations are read from.
QString QtTranslationsFolder();

} // namespace pmr
