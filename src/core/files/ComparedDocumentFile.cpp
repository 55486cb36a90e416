#include "files/ComparedDocumentFile.h"

#include "app/TextCatalog.h"
#include "document/TrimFix.h"
#include "files/DocumentRecord.h"
#include "files/DocumentSoundness.h"
#include "files/FileBytes.h"
#include "files/VersionCheck.h"
#include "files/VersionTag.h"

#include <algorithm>

namespace pmr {

ComparedDocumentFile ReadComparedDocumentFile(const std::string& path,
                                              const VersionTable& versions) {
    ComparedDocumentFile out;
    const auto bytes = ReadFileStart(path, kDocumentRecordSize);
    if (!bytes) {
        out.fault = ComparedFileFault::CannotRead;
        return out;
    }
    out.size = bytes->size();
    std::string raw(4, '\0');
    std::copy_n(bytes->begin(), std::min<std::size_t>(bytes->size(), 4), raw.begin());
    if (!IsWellFormedVersionTag(raw)) {
        out.fault = ComparedFileFault::NotADocument;
        return out;
    }
    out.tag = TrimFix(raw);
    // Another version lays the record out its own way: read with this
    // layout, its values would be compared as if they were other values.
    if (!IsVersionPairListed(versions, kProgramVersionTag, out.tag)) {
        out.fault = ComparedFileFault::OtherVersion;
        return out;
    }
    if (bytes->size() < kDocumentRecordSize) {
        out.fault = ComparedFileFault::CutShort;
        return out;
    }
    RadioDocument loaded = DecodeDocumentRecord(*bytes);
    if (FindDocumentFlaw(loaded) != DocumentFlaw::None) {
        out.fault = ComparedFileFault::BrokenTable;
        return out;
    }
    loaded.Version = kProgramVersionTag;
    out.doc = loaded;
    return out;
}

std::string ComparedFileFaultText(const TextCatalog& texts, const ComparedDocumentFile& file,
                                  const std::string& path) {
    switch (file.fault) {
    case ComparedFileFault::None:
        return {};
    case ComparedFileFault::CannotRead:
        return FillMarker(texts.GetLangText(9335), "%1", path);
    case ComparedFileFault::NotADocument:
        return texts.GetLangText(9065);
    case ComparedFileFault::OtherVersion:
        return FillMarker(texts.GetLangText(9364), "%1", file.tag);
    case ComparedFileFault::CutShort:
        return FillMarker(texts.GetLangText(9066), "%1", std::to_string(file.size));
    case ComparedFileFault::BrokenTable:
        break;
    }
    return texts.GetLangText(9067);
}

} // namespace pmr
