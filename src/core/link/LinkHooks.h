#pragma once
// What the transfer driver needs from the rest of the program besides the port,
// the timers and the user: the image codec, the band table, the version table,
// the setup file and the document's save. Each hook is a plain function so that
// tests can replace any of them; DefaultLinkHooks() wires the program's own.

#include "image/ImageBuffers.h"
#include "link/LinkMode.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace pmr {

struct AppContext;

struct LinkHooks {
    /// ClearImage: ImageBuf to 0xFF (not in the radio information mode).
    std::function<void(AppContext&, LinkMode)> clearImage;
    /// Before a write: empty when every value of the document reaches the radio
    /// exactly, else the message that names the values that would not.
    std::function<std::string(AppContext&)> refuseWrite;
    /// EncodeImage: the document into ImageBuf, before a write.
    std::function<void(AppContext&)> encodeImage;
    /// DecodeImage: ImageBuf into the document, after a read; returns what the
    /// user should be told about values it had to correct (empty for nothing).
    std::function<std::string(AppContext&)> decodeImage;
    /// DecodeFeatureFlags: the feature byte at ImageBuf 0x13FC into RadioFeatures.
    std::function<void(AppContext&)> decodeFeatureFlags;
    /// DecodeRadioInfo: InfoBuf into the dealer and radio information.
    std::function<void(AppContext&)> decodeRadioInfo;
    /// BandCodeFromText: the band code of a band text, 0 when unknown.
    std::function<int(const std::string&)> bandCodeFromText;
    /// IsVersionPairListed(programTag, dataTag).
    std::function<bool(AppContext&, const std::string&, const std::string&)> isVersionPairListed;
    // The hand-over to another program version (ProgramHandOver) uses the next
    // four; the driver itself never saves or starts anything.
    /// VersionQuestion(programTag, dataTag, kind 0 = radio): the question text.
    std::function<std::string(AppContext&, const std::string&, const std::string&)> versionQuestion;
    /// StartProgramFor(dataTag): starts the fitting program version (or says
    /// that none is listed). True when one was started: only then does the
    /// driver end this program.
    std::function<bool(AppContext&, const std::string&)> startProgramFor;
    /// Whether the document has unsaved changes (the changed-document test).
    std::function<bool(AppContext&)> documentChanged;
    /// Save the document (asking for a name when it has none). True when saved.
    std::function<bool(AppContext&)> saveDocument;
    /// EncodeImageOver: the document into ImageBuf over the radio's own image.
    std::function<void(AppContext&, const std::array<std::uint8_t, kImageSize>&)> encodeOver;
    /// Before a write that keeps a backup: empty when the backup folder can be
    /// written, else the message that names it. Nothing is sent when it fails.
    std::function<std::string(AppContext&)> backupFolderProblem;
    /// Keeps the radio's image (and its serial number, maybe empty) as a
    /// backup: the path of the kept image, or empty with `message` set.
    std::function<std::string(AppContext&, const std::array<std::uint8_t, kImageSize>&,
                              const std::string& serial, std::string& message)>
        keepBackup;
    /// After a write succeeded: the retention rule over the backups of the
    /// radio whose backup is at `path`.
    std::function<void(AppContext&, const std::string& path)> pruneBackups;
    /// WriteSetupValue(key, value) of mysetup.ini.
    std::function<void(AppContext&, const std::string&, int)> writeSetupValue;
};

/// The program's own functions for every hook.
LinkHooks DefaultLinkHooks();

} // namespace pmr
