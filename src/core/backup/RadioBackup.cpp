#include "backup/RadioBackup.h"

#include "app/AppContext.h"
#include "backup/BackupStore.h"
#include "document/ModelRecord.h"
#include "files/DocumentRecord.h"
#include "image/ImageCodec.h"
#include "link/TransferDriver.h"

#include <ctime>
#include <memory>

namespace pmr {

namespace {

std::string FolderMessage(const AppContext& app, const std::string& folder, const std::string& why) {
    return FillMarker(FillMarker(app.texts.GetLangText(9120), "%1", folder), "%2", why);
}

} // namespace

std::string BackupFolderProblem(const AppContext& app, const std::string& folder) {
    const std::string why = BackupStore(folder).CheckWritable();
    return why.empty() ? std::string() : FolderMessage(app, folder, why);
}

std::string KeepRadioBackup(const AppContext& app, const std::array<std::uint8_t, kImageSize>& image,
                            const std::string& serial, const std::string& folder,
                            std::string& message) {
    // The .dat is what a read of this memory would give; it is decoded in a
    // copy so that the document being written stays as it is.
    auto scratch = std::make_unique<AppContext>(app);
    scratch->images.ImageBuf = image;
    DecodeImage(*scratch);
    scratch->doc.Model = StoreModelRecord(scratch->docState, scratch->doc.Model);
    scratch->doc.Version = kProgramVersionTag;
    const DocumentRecordBytes record = EncodeDocumentRecord(scratch->doc);
    std::string why;
    const auto kept = BackupStore(folder).Keep(image, serial, std::time(nullptr), record, why);
    if (!kept) {
        message = FolderMessage(app, folder, why);
        return {};
    }
    return kept->imagePath;
}

std::string SerialFromBlock(const std::uint8_t* block16) {
    std::string serial;
    for (int i = 0; i < 16 && block16[i] != 0x00 && block16[i] != 0xFF; ++i)
        serial.push_back(static_cast<char>(block16[i]));
    while (!serial.empty() && serial.back() == ' ')
        serial.pop_back();
    return serial;
}

} // namespace pmr
