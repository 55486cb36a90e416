#include "link/LinkHooks.h"

#include "app/AppContext.h"
#include "app/SetupValues.h"
#include "backup/BackupStore.h"
#include "backup/RadioBackup.h"
#include "backup/UserDataFolder.h"
#include "document/Bands.h"
#include "document/ChannelRaster.h"
#include "files/DocumentModified.h"
#include "files/VersionCheck.h"
#include "image/ImageBuffers.h"
#include "image/ImageCodec.h"
#include "image/RadioFit.h"
#include "image/SettingsCodec.h"

namespace pmr {

LinkHooks DefaultLinkHooks() {
    LinkHooks hooks;
    hooks.clearImage = [](AppContext& app, LinkMode mode) {
        ClearImage(app.images, static_cast<int>(mode));
    };
    hooks.refuseWrite = [](AppContext& app) {
        const auto unfit = FindValuesTheRadioCannotHold(app);
        return unfit.empty() ? std::string() : RefusedWriteMessage(app.texts, unfit);
    };
    hooks.encodeImage = [](AppContext& app) { EncodeImage(app); };
    hooks.decodeImage = [](AppContext& app) {
        DecodeImage(app);
        // A radio programmed elsewhere may hold PMR446 channels between the
        // sixteen channels: they come into the document on the nearest one,
        // and the message names each, as when a file is opened.
        if (!UsesChannelRaster(app.docState.BandText))
            return std::string();
        const auto moved = KeepTableOnChannelRaster(app.doc);
        return moved.empty() ? std::string() : RasterMovesText(app.texts, moved);
    };
    hooks.encodeOver = [](AppContext& app, const std::array<std::uint8_t, kImageSize>& radio) {
        EncodeImageOver(app, radio);
    };
    hooks.backupFolderProblem = [](AppContext& app) {
        return BackupFolderProblem(app, BackupFolder());
    };
    hooks.keepBackup = [](AppContext& app, const std::array<std::uint8_t, kImageSize>& image,
                          const std::string& serial, std::string& message) {
        return KeepRadioBackup(app, image, serial, BackupFolder(), message);
    };
    hooks.pruneBackups = [](AppContext&, const std::string& path) {
        if (const auto info = ReadBackupInfo(path))
            BackupStore(BackupFolder()).Prune(*info);
    };
    hooks.decodeFeatureFlags = [](AppContext& app) { DecodeFeatureFlags(app); };
    hooks.bandCodeFromText = [](const std::string& text) { return BandCodeFromText(text); };
    hooks.isVersionPairListed = [](AppContext& app, const std::string& program,
                                   const std::string& data) {
        return IsVersionPairListed(app.versions, program, data);
    };
    hooks.versionQuestion = [](AppContext& app, const std::string& program,
                               const std::string& data) {
        return VersionQuestion(app.texts, program, data, DataKind::Radio);
    };
    hooks.documentChanged = [](AppContext& app) { return IsDocumentModified(app); };
    hooks.writeSetupValue = [](AppContext& app, const std::string& key, int value) {
        WriteSetupValue(app.paths, key, value);
    };
    // decodeRadioInfo, startProgramFor and saveDocument need the front end (the
    // information window's record, the program launcher, the save dialog); it
    // sets them.
    return hooks;
}

} // namespace pmr
