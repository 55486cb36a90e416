#pragma once
// Scripted user, launcher and windows, a scratch folder and a small language
// file, shared by the document-file tests.

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "files/DocumentWindows.h"
#include "files/ProgramLauncher.h"

#include <cstdint>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace pmr::testing_files {

class ScriptedUser : public UserInteraction {
public:
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<Answer> answers; // taken in order; No when none is left

    void ShowMessage(const std::string& text, Severity) override { messages.push_back(text); }
    Answer Ask(const std::string& text, Buttons, Severity) override {
        questions.push_back(text);
        if (answers.empty())
            return Answer::No;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

class RecordingLauncher : public ProgramLauncher {
public:
    std::vector<std::string> started;
    int endCalls = 0;
    bool startSucceeds = true;

    std::string OwnExecutableName() const override { return "pmrprog"; }
    bool StartProgram(const std::string& path) override {
        started.push_back(path);
        return startSucceeds;
    }
    void EndThisProgram() override { ++endCalls; }
};

class RecordingWindows : public DocumentWindows {
public:
    std::vector<std::string> calls;
    void OpenChannelWindow() override { calls.push_back("OpenChannelWindow"); }
    void ShowMainTxt() override { calls.push_back("ShowMainTxt"); }
    void ChangeLanguage() override { calls.push_back("ChangeLanguage"); }
    void ArrangeChildWindows() override { calls.push_back("ArrangeChildWindows"); }
    void SetDocumentUntitled(bool untitled) override {
        calls.push_back(untitled ? "Untitled" : "Titled");
    }
};

/// A fresh folder below the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::random_device random;
        std::string name = std::string(test->test_suite_name()) + "_" + test->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        path_ = std::filesystem::temp_directory_path() /
                ("pmr_" + name + "_" + std::to_string(random()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

/// Texts the file operations show, under recognisable markers.
inline void LoadTestTexts(AppContext& app, const ScratchFolder& folder) {
    const std::string path = folder.File("english.ini");
    std::ofstream out(path, std::ios::trunc);
    out << "[Msg]\n"
           "9002=File error\n"
           "9060=Radio data version\n"
           "9061=Program version\n"
           "9062=Start the other program?\n"
           "9063=No program for this version\n"
           "9064=File data version\n"
           "9065=Not a document file\n"
           "9066=Short file %1\n"
           "9067=Broken table\n"
           "9068=Steps corrected:\n"
           "9070=Channel %1\n"
           "9072=Staying\n"
           "9161=Moved to channels:\n"
           "9162=%1: %2 to %3 (PMR %4)\n"
           "9163=%1: transmit %2 to %3\n";
    out.close();
    app.texts.Load(path);
}

/// An application object with the PMR446 model, a version table that lists
/// ("V100", "V100") and the install root in `folder`.
inline void PrepareApp(AppContext& app, const ScratchFolder& folder) {
    LoadTestTexts(app, folder);
    app.paths.InstallRoot = folder.Path().string();
    app.paths.ProgramFolder = folder.File("V100");
    app.versions.VersionPairs = {"V100", "V100"};
    app.docState.ModelNameText = "VX210";
    app.docState.BandText = "446.00625 - 446.19375 MHz";
    app.doc.Version = "V100";
}

} // namespace pmr::testing_files
