// Build-time tool: writes the shipped template document Init/VX210_4.dat with
// the program's own document defaults and file writer, so the file is always
// what this program version itself would save.
//
//   make_template <output path>

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "document/Bands.h"
#include "document/ChannelTable.h"
#include "document/DocumentDefaults.h"
#include "document/NewDocument.h"
#include "files/DocumentFiles.h"
#include "files/ProgramLauncher.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

class ConsoleUser : public pmr::UserInteraction {
public:
    void ShowMessage(const std::string& text, pmr::Severity) override {
        std::fprintf(stderr, "make_template: %s\n", text.c_str());
        failed = true;
    }
    pmr::Answer Ask(const std::string&, pmr::Buttons, pmr::Severity) override {
        return pmr::Answer::No;
    }
    bool failed = false;
};

class NoLauncher : public pmr::ProgramLauncher {
public:
    std::string OwnExecutableName() const override { return "make_template"; }
    bool StartProgram(const std::string&) override { return false; }
    void EndThisProgram() override {}
};

// "446.00625" for 44600625 (10 Hz units).
std::string MegahertzText(int units) {
    const std::string digits = std::to_string(units);
    return digits.substr(0, digits.size() - 5) + "." + digits.substr(digits.size() - 5);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_template <output path>\n");
        return 2;
    }
    const std::string output = argv[1];

    pmr::AppContext app;
    app.docState.ModelNameText = "VX210";
    app.docState.BandText = std::string(pmr::kPmr446BandText);
    pmr::ComputeBandLimits(app.docState);

    ConsoleUser user;
    pmr::NewDocument(app, user, nullptr);

    // The sixteen PMR446 channels, 12.5 kHz apart, and the VFO on channel 1.
    constexpr int kFirstChannel = 44600625;
    constexpr int kSpacing = 1250;
    app.doc.ChannelCount = 0;
    pmr::AddChannel(app, pmr::kVfoChannelNo, MegahertzText(kFirstChannel));
    for (int ch = 1; ch <= 16; ++ch)
        pmr::AddChannel(app, ch, MegahertzText(kFirstChannel + (ch - 1) * kSpacing));
    if (app.doc.ChannelCount != 17) {
        std::fprintf(stderr, "make_template: the channel table did not take 17 entries\n");
        return 1;
    }
    // After the channels: adding the first ones reconciles the settings that
    // refer to channels, which would undo some of these values.
    pmr::StoreAsTheWindowsShow(app.doc);
    // A template starts without DTMF codes (a new document keeps the codes of
    // the radio's owner).
    pmr::DtmfSettings& dtmf = app.doc.Settings.Dtmf;
    for (pmr::DtmfCode* code : {&dtmf.BotCode, &dtmf.EotCode, &dtmf.StunCode, &dtmf.KillCode})
        *code = pmr::DtmfCode{0, pmr::FixedText<16>("")};

    // A fresh file: an older, longer one would otherwise keep its tail.
    std::error_code ec;
    std::filesystem::remove(output, ec);
    app.docState.CurrentFileName = output;
    NoLauncher launcher;
    pmr::DocumentFiles files(app, user, launcher);
    if (files.SaveDocumentFile() != pmr::FileOutcome::Done || user.failed) {
        std::fprintf(stderr, "make_template: could not write %s\n", output.c_str());
        return 1;
    }
    return 0;
}
