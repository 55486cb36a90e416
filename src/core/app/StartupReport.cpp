#include "app/StartupReport.h"

#include "app/AppContext.h"
#include "app/HelpPages.h"

#include <filesystem>
#include <system_error>

namespace pmr {

namespace {

std::string FileState(const std::string& path) {
    std::error_code ec;
    return path + (std::filesystem::is_regular_file(path, ec) ? "" : " (missing)");
}

template <std::size_t N> std::string Bytes(const std::array<std::uint8_t, N>& bytes) {
    std::string out;
    for (std::uint8_t b : bytes) {
        if (!out.empty())
            out += ' ';
        out += std::to_string(b);
    }
    return out;
}

std::string YesNo(bool b) {
    return b ? "yes" : "no";
}

std::string Join(const std::vector<std::string>& items, std::string_view sep) {
    std::string out;
    for (const std::string& item : items) {
        if (!out.empty())
            out += sep;
        out += item;
    }
    return out.empty() ? "none" : out;
}

} // namespace

std::string DescribeStartup(const AppContext& app) {
    const Config& c = app.config;
    const InstallPaths& p = app.paths;
    std::string s;
    auto line = [&s](std::string_view label, const std::string& value) {
        s += label;
        s += ": ";
        s += value;
        s += '\n';
    };

    line("Program folder", p.ProgramFolder);
    line("Installation root", p.InstallRoot);
    // Where the program writes; a run that writes nothing reads the
    // installation's files wherever the user has none.
    std::string own = p.PerUser ? "per-user" : "portable";
    own += p.WritesFiles ? (p.PerUser ? " in " + p.SetupFolder : "") : ", nothing written";
    line("Own files", own);
    if (!p.DamagedSetupKept.empty())
        line("  Damaged setup kept as", p.DamagedSetupKept);

    line("Version table", FileState(VersionFilePath(p)));
    line("  Program versions", Join(app.versions.SoftVersions, ", "));
    std::vector<std::string> pairs;
    for (std::size_t j = 0; j + 1 < app.versions.VersionPairs.size(); j += 2)
        pairs.push_back(app.versions.VersionPairs[j] + " reads " +
                        app.versions.VersionPairs[j + 1]);
    line("  Version pairs", Join(pairs, ", "));
    line("Factory mode", app.factory.TestDataEnabled ? "on" : "off");

    line("Setup file", FileState(SetupFilePath(p)));
    line("  Serial port", std::to_string(c.ComPort) + ", handshaking " +
                              std::to_string(c.HandshakingMode) + ", stop bits " +
                              std::to_string(c.StopBits));
    line("  First run", YesNo(c.IsFirstRun));
    line("  Language", std::to_string(c.CurrentLanguage) + " (" + c.LanguageFile + ")");

    const std::string texts =
        app.texts.IsLoaded() ? std::to_string(app.texts.Size()) + " texts" : "missing, texts empty";
    line("Text catalogue", app.texts.FilePath() + " (" + texts + ")");
    line("Application title", c.AppTitle.empty() ? "(empty)" : c.AppTitle);
    line("Help pages", c.HelpFile + (IsHelpAvailable(c) ? "" : " (missing)"));

    line("Feature switches",
         Bytes(c.ConfiguredFeatures) + " from " + FileState(UserFile(p, "Setting.ini")));
    line("Batch switches",
         Bytes(c.BatchSwitches) + " from " + FileState(UserFile(p, "BatchFun.ini")));
    const Habits& h = app.habits;
    line("Editing habits",
         "paste without asking " + YesNo(h.PasteNoPrompt) + ", paste inserts " +
             YesNo(h.PasteInserts) + ", delete without asking " + YesNo(h.DeleteNoPrompt) +
             ", delete closes the gap " + YesNo(h.DeleteRemovesRow) + ", offset column " +
             YesNo(h.UseOffsetFreq) + " from " + FileState(UserFile(p, "Habit.ini")));
    line("Fixed port list", YesNo(c.UseFixedPortList));

    line("Document", "model " + app.docState.ModelNameText + ", band " + app.docState.BandText +
                         ", " + std::to_string(app.doc.ChannelCount) + " channel entries, file " +
                         app.docState.CurrentFileName);
    return s;
}

} // namespace pmr
