#include "app/Startup.h"

#include "app/AppContext.h"
#include "app/FeatureSwitches.h"
#include "app/HabitFile.h"
#include "app/HelpPages.h"
#include "app/LanguageChoice.h"
#include "app/SetupValues.h"
#include "document/Bands.h"
#include "document/NewDocument.h"
#include "factory/FactoryMode.h"
#include "files/VersionTable.h"

namespace pmr {

namespace {

// A setup key that is missing or not a number keeps the value it has; so does
// one outside the range the serial port can use.
void ReadSetupNumber(const InstallPaths& paths, std::string_view key, std::int16_t& target, int low,
                     int high) {
    auto value = ParseSetupNumber(ReadSetupValue(paths, key));
    if (value && *value >= low && *value <= high)
        target = *value;
}

void ReadSetupFile(AppContext& app, std::string_view locale) {
    Config& c = app.config;
    const InstallPaths& paths = app.paths;

    c.ComPort = 1;
    c.HandshakingMode = 0;
    c.StopBits = 1;
    // Only the program writes the marker (0 after the first start), so a file
    // without it was set up by hand and its language choice counts.
    c.IsFirstRun = false;
    if (auto first = ParseSetupNumber(ReadSetupValue(paths, "IsFirstRun")))
        c.IsFirstRun = *first != 0;
    ReadSetupNumber(paths, "comPort", c.ComPort, 1, 32767);
    ReadSetupNumber(paths, "Handshaking", c.HandshakingMode, 0, 3);
    ReadSetupNumber(paths, "StopBit", c.StopBits, 1, 2);
    c.ShowBatchAndTestFreq = ParseSetupNumber(ReadSetupValue(paths, "ShowBatchAndTestFreq"))
                                 .value_or(0) != 0;

    if (c.IsFirstRun) {
        WriteSetupValue(paths, "IsFirstRun", "0");
        // A new user meets the program in the language of their desktop.
        c.CurrentLanguage = static_cast<std::int16_t>(LanguageForLocale(locale));
        c.LanguageFile = LanguageFileFor(c.CurrentLanguage);
    } else if (auto language = ParseSetupNumber(ReadSetupValue(paths, "CurrentLanguage"))) {
        // Any number is kept; only 2 changes the texts.
        c.CurrentLanguage = *language;
        c.LanguageFile = LanguageFileFor(c.CurrentLanguage);
    }

    WriteSetupValue(paths, "comPort", c.ComPort);
    WriteSetupValue(paths, "CurrentLanguage", c.CurrentLanguage);
}

} // namespace

void RunStartup(AppContext& app, const std::string& programFolder, UserInteraction& ui,
                const StartupHooks& hooks) {
    app.paths = InstallPathsFor(programFolder);
    PlaceUserFiles(app.paths, hooks.user, hooks.writeFiles);
    Config& c = app.config;

    // The cable is assumed to echo until a handshake shows otherwise.
    app.link.EchoExpected = true;
    LoadVersionTable(app);
    c.PrintEnabled = false;
    c.HelpEnabled = true;
    DetectFactoryMode(app);

    c.CurrentLanguage = 1;
    c.LanguageFile = "english.ini";
    c.ShownLanguage = 1;
    app.docState.ModelNameText = "VX210";
    app.docState.BandText = "446.00625 - 446.19375 MHz";
    app.link.EnteredPassword.clear();
    ComputeBandLimits(app.docState);

    // Numbers are formatted and parsed with "." by NumberFormat, whatever the
    // user's locale, so the locale is left alone. Every platform this runs on
    // lists its serial ports, so the fixed list of ports 1 to 16 is never used.
    c.UseFixedPortList = false;

    ReadSetupFile(app, hooks.user.Locale);
    // The texts are needed from here on: the new document may report a problem.
    app.texts.Load(LanguageFilePath(app.paths, c.LanguageFile));

    if (hooks.newDocument)
        hooks.newDocument(app, ui);
    else
        NewDocument(app, ui, hooks.templates);

    c.HelpFile = HelpFileFor(app.paths, c.CurrentLanguage);
    c.AppTitle = app.texts.GetLangText(12000);
    LoadSwitchFiles(app);
    LoadHabits(app);
}

void EndProgram(const AppContext& app) {
    SaveFeatureSwitches(app);
}

} // namespace pmr
