#include "files/DocumentFiles.h"

#include "app/AppContext.h"
#include "app/UserInteraction.h"
#include "document/ChannelRaster.h"
#include "document/Bands.h"
#include "document/IdLengthRule.h"
#include "document/ModelRecord.h"
#include "document/StepGrid.h"
#include "document/TrimFix.h"
#include "factory/TestDataFile.h"
#include "files/DocumentRecord.h"
#include "files/DocumentSoundness.h"
#include "files/DocumentWindows.h"
#include "files/FileBytes.h"
#include "files/ProgramLauncher.h"
#include "files/SiblingProgram.h"
#include "files/VersionCheck.h"
#include "files/VersionTag.h"

#include <algorithm>
#include <vector>

namespace pmr {

DocumentFiles::DocumentFiles(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher,
                             DocumentWindows* windows)
    : app_(app), ui_(ui), launcher_(launcher), windows_(windows) {}

namespace {

void ShowFileError(AppContext& app, UserInteraction& ui) {
    ui.ShowMessage(app.texts.GetLangText(9002), Severity::Critical);
}

void ShowDamagedFile(AppContext& app, UserInteraction& ui, int textId, std::size_t size) {
    ui.ShowMessage(FillMarker(app.texts.GetLangText(textId), "%1", std::to_string(size)),
                   Severity::Critical);
}

// The tag check and the version question, on the file's first four bytes.
FileOutcome CheckVersionTag(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher,
                            std::span<const std::uint8_t> bytes) {
    std::string raw(4, '\0');
    std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), 4), raw.begin());
    if (!IsWellFormedVersionTag(raw)) {
        ui.ShowMessage(app.texts.GetLangText(9065), Severity::Critical);
        return FileOutcome::BadTag;
    }
    const std::string tag = TrimFix(raw);
    if (IsVersionPairListed(app.versions, kProgramVersionTag, tag))
        return FileOutcome::Done;
    const std::string question =
        VersionQuestion(app.texts, kProgramVersionTag, tag, DataKind::DocumentFile);
    if (ui.Ask(question, Buttons::YesNo) != Answer::Yes)
        return FileOutcome::VersionDeclined;
    if (!StartProgramFor(app, ui, launcher, tag)) {
        // Nothing to hand over to: ending here would only lose the user's work.
        ui.ShowMessage(app.texts.GetLangText(9072), Severity::Information);
        return FileOutcome::VersionDeclined;
    }
    launcher.EndThisProgram();
    return FileOutcome::ProgramEnds;
}

// The file's record, checked whole before anything of the document changes.
// Steps 1 to 4 of opening: tag, version table, record, then "V100".
FileOutcome ReadCheckedRecord(AppContext& app, UserInteraction& ui, ProgramLauncher& launcher,
                              std::span<const std::uint8_t> bytes, bool builtIn,
                              RadioDocument& loaded) {
    if (const FileOutcome tag = CheckVersionTag(app, ui, launcher, bytes); tag != FileOutcome::Done)
        return tag;
    // A cut-off file would read as zeros: settings, model and band all wrong.
    if (bytes.size() < kDocumentRecordSize) {
        ShowDamagedFile(app, ui, 9066, bytes.size());
        return FileOutcome::FileError;
    }
    loaded = DecodeDocumentRecord(bytes);
    loaded.Version = kProgramVersionTag;
    if (builtIn) {
        // The built-in template gives settings only: no channels, not its model.
        loaded.ChannelCount = 0;
        loaded.Model = app.doc.Model;
    }
    // A table the program could not have written is refused whole rather than
    // repaired: which entries to keep would be a guess.
    if (FindDocumentFlaw(loaded) != DocumentFlaw::None) {
        ShowDamagedFile(app, ui, 9067, bytes.size());
        return FileOutcome::FileError;
    }
    return FileOutcome::Done;
}

/// The channels of the working copy whose step flags did not fit their
/// frequency, after correcting them.
std::vector<int> AlignWorkingStepFlags(RadioDocument& doc) {
    std::vector<int> corrected;
    const int count = std::min<int>(doc.ChannelCount, kMaxChannelEntries);
    for (int i = 0; i < count; ++i) {
        ChannelRecord& entry = doc.Channels[static_cast<std::size_t>(i)];
        if (AlignStepFlags(entry))
            corrected.push_back(entry.ChannelNo);
    }
    return corrected;
}

std::string ChannelList(const std::vector<int>& channels) {
    std::string text;
    for (const int no : channels) {
        if (!text.empty())
            text += ", ";
        text += no == kVfoChannelNo ? std::string("VFO") : std::to_string(no);
    }
    return text;
}

// Step 6 of opening: the checked record becomes the file buffer and the
// working copy, with the model's derived values and the ID-length rule.
void TakeLoadedDocument(AppContext& app, const RadioDocument& loaded, const std::string& path) {
    if (app.factory.TestDataEnabled) {
        LoadTestDataBeside(app, path);
        app.factory.TestData = app.factory.SavedTestData;
    }
    app.fileBuffer = loaded;
    app.doc = app.fileBuffer;
    LoadModelRecord(app, app.doc.Model);
    ApplyIdLengthRule(app);
}

} // namespace

FileOutcome DocumentFiles::OpenDocumentFile() {
    const auto bytes = ReadFileStart(app_.docState.CurrentFileName, kDocumentRecordSize);
    if (!bytes) {
        ShowFileError(app_, ui_);
        return FileOutcome::FileError;
    }
    return OpenDocumentBytes(*bytes);
}

FileOutcome DocumentFiles::OpenDocumentBytes(std::span<const std::uint8_t> bytes) {
    RadioDocument loaded;
    if (const FileOutcome checked =
            ReadCheckedRecord(app_, ui_, launcher_, bytes, /*builtIn=*/false, loaded);
        checked != FileOutcome::Done)
        return checked;
    TakeLoadedDocument(app_, loaded, app_.docState.CurrentFileName);
    // Cleared before the windows redraw, so the caption they show is the saved state's.
    // Only the working copy is corrected: the document then differs from the
    // file, so closing it offers to save the correction. A PMR446 channel off
    // the raster is moved rather than refused: the file is the user's work,
    // and the message names every channel so nothing changes unseen.
    if (UsesChannelRaster(app_.docState.BandText))
        if (const auto moved = KeepTableOnChannelRaster(app_.doc); !moved.empty())
            ui_.ShowMessage(RasterMovesText(app_.texts, moved), Severity::Information);
    if (const auto corrected = AlignWorkingStepFlags(app_.doc); !corrected.empty())
        ui_.ShowMessage(app_.texts.GetLangText(9068) + "\r\n" + ChannelList(corrected),
                        Severity::Information);
    if (windows_) {
        windows_->OpenChannelWindow();
        windows_->ShowMainTxt();
        windows_->ChangeLanguage();
        windows_->ArrangeChildWindows();
        windows_->SetDocumentUntitled(false);
    }
    return FileOutcome::Done;
}

FileOutcome DocumentFiles::SaveDocumentFile() {
    app_.doc.Model = StoreModelRecord(app_.docState, app_.doc.Model);
    app_.doc.Version = kProgramVersionTag;
    const DocumentRecordBytes record = EncodeDocumentRecord(app_.doc);
    const std::string& path = app_.docState.CurrentFileName;
    // The file buffer and the saved test data follow only a save that took
    // place, so a failed save still counts as unsaved changes.
    if (!ReplaceFileStart(path, record)) {
        ShowFileError(app_, ui_);
        return FileOutcome::FileError;
    }
    app_.fileBuffer = app_.doc;
    if (app_.factory.TestDataEnabled) {
        app_.factory.SavedTestData = app_.factory.TestData;
        SaveTestDataBeside(app_, path);
    }
    if (windows_) {
        windows_->SetDocumentUntitled(false);
        windows_->ShowMainTxt();
    }
    return FileOutcome::Done;
}

bool DocumentFiles::LoadTemplate(const std::string& path) {
    const auto bytes = ReadFileStart(path, kDocumentRecordSize);
    RadioDocument loaded;
    if (bytes)
        loaded = DecodeDocumentRecord(*bytes);
    if (!bytes || bytes->size() < kDocumentRecordSize ||
        FindDocumentFlaw(loaded) != DocumentFlaw::None) {
        app_.fileBuffer = app_.doc;
        return false;
    }
    // A template's channels reach the radio as shown, and on the raster.
    if (UsesChannelRaster(BandTextFromCode(loaded.Model.BandCode)))
        KeepTableOnChannelRaster(loaded);
    AlignWorkingStepFlags(loaded);
    TakeLoadedDocument(app_, loaded, path);
    return true;
}

bool DocumentFiles::LoadBuiltInTemplate(const std::string& path) {
    const auto bytes = ReadFileStart(path, kDocumentRecordSize);
    if (!bytes) {
        ShowFileError(app_, ui_);
        return false;
    }
    RadioDocument loaded;
    if (ReadCheckedRecord(app_, ui_, launcher_, *bytes, /*builtIn=*/true, loaded) !=
        FileOutcome::Done)
        return false;
    TakeLoadedDocument(app_, loaded, path);
    return true;
}

} // namespace pmr
