// Opening a document over arbitrary file bytes: a refused file must leave the
// working copy and the file buffer exactly as they were, an accepted one must
// keep the channel table's invariants and survive a save and reopen unchanged.

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "files/DocumentFiles.h"
#include "files/DocumentModified.h"
#include "files/DocumentRecord.h"
#include "files/DocumentSoundness.h"
#include "files/ProgramLauncher.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

namespace {

class SilentUser : public pmr::UserInteraction {
public:
    void ShowMessage(const std::string&, pmr::Severity) override {}
    pmr::Answer Ask(const std::string&, pmr::Buttons, pmr::Severity) override {
        return pmr::Answer::No;
    }
};

class NoLauncher : public pmr::ProgramLauncher {
public:
    std::string OwnExecutableName() const override { return "pmrprog"; }
    bool StartProgram(const std::string&) override { std::abort(); } // No is always answered
    void EndThisProgram() override { std::abort(); }
};

void Check(bool ok) {
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    auto app = std::make_unique<pmr::AppContext>();
    app->versions.VersionPairs = {"V100", "V100", "V100", "V101", "V102", "V107"};
    app->docState.ModelNameText = "VX210";
    app->docState.BandText = "446.00625 - 446.19375 MHz";
    app->doc.Version = "V100";
    app->doc.ChannelCount = 1;
    app->doc.Channels[0].ChannelNo = 129;

    // The change test must cope with any record in memory, sound or not.
    app->fileBuffer = pmr::DecodeDocumentRecord(bytes);
    (void)pmr::IsDocumentModified(*app);
    app->fileBuffer = app->doc;

    const pmr::RadioDocument docBefore = app->doc;
    const pmr::RadioDocument bufferBefore = app->fileBuffer;
    SilentUser user;
    NoLauncher launcher;
    pmr::DocumentFiles files(*app, user, launcher);
    if (files.OpenDocumentBytes(bytes) != pmr::FileOutcome::Done) {
        Check(app->doc == docBefore);
        Check(app->fileBuffer == bufferBefore);
        return 0;
    }
    Check(pmr::FindDocumentFlaw(app->doc) == pmr::DocumentFlaw::None);
    Check(pmr::FindDocumentFlaw(app->fileBuffer) == pmr::DocumentFlaw::None);
    Check(app->doc.Version == pmr::FixedText<4>("V100"));

    // What was opened writes back to a record that opens to the same buffer.
    const pmr::DocumentRecordBytes record = pmr::EncodeDocumentRecord(app->fileBuffer);
    Check(pmr::DecodeDocumentRecord(record) == app->fileBuffer);
    return 0;
}
