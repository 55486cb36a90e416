#pragma once
// Which data versions this program handles, and the question offered when a
// document or a radio carries one it does not.

#include "files/VersionTable.h"
#include "link/LinkMode.h"

#include <string>
#include <string_view>

namespace pmr {

class TextCatalog;

enum class DataKind { Radio = 0, DocumentFile = 1 };

/// True when the table lists exactly this (program, data) pair. Equal tags are
/// no exception: they must be listed too.
bool IsVersionPairListed(const VersionTable& table, std::string_view programTag,
                         std::string_view dataTag);

/// 9062, CRLF, 9064 (document file) or 9060 (radio), " ", dotted data tag, CRLF,
/// 9061, " ", dotted program tag. Shown with Yes and No.
std::string VersionQuestion(const TextCatalog& texts, std::string_view programTag,
                            std::string_view dataTag, DataKind kind);

/// Same model names (trimmed) match; otherwise a write (link mode 2) refuses,
/// and any other mode accepts only a radio reporting "VX210".
bool IsModelCompatible(std::string_view documentModel, std::string_view radioModel, int linkMode);
inline bool IsModelCompatible(std::string_view documentModel, std::string_view radioModel,
                              LinkMode linkMode) {
    return IsModelCompatible(documentModel, radioModel, static_cast<int>(linkMode));
}

} // namespace pmr
