#pragma once
// A document file read only to be compared with the working document: into a
// document of its own, with the checks of opening it, but without the version
// question, the corrections opening makes, or any change of the working copy,
// its file buffer or its file name.

#include "document/RadioDocument.h"
#include "files/VersionTable.h"

#include <cstddef>
#include <string>

namespace pmr {

class TextCatalog;

enum class ComparedFileFault {
    None,
    CannotRead,   // no such file, or it cannot be read
    NotADocument, // its first bytes are no version tag
    OtherVersion, // a version this program does not read
    CutShort,     // shorter than a document record
    BrokenTable,  // a channel table the program could not have written
};

struct ComparedDocumentFile {
    ComparedFileFault fault = ComparedFileFault::None;
    RadioDocument doc;    // as the file holds it (nothing when a fault)
    std::size_t size = 0; // the bytes read
    std::string tag;      // the file's version tag, trimmed
};

/// The document the file at `path` holds, checked as opening checks it.
ComparedDocumentFile ReadComparedDocumentFile(const std::string& path,
                                              const VersionTable& versions);

/// Why the file cannot be compared, in the language of `texts` (empty for
/// None): texts 9335, 9065, 9364, 9066 and 9067.
std::string ComparedFileFaultText(const TextCatalog& texts, const ComparedDocumentFile& file,
                                  const std::string& path);

} // namespace pmr
