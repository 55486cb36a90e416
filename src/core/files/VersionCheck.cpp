#include "files/VersionCheck.h"

#include "app/TextCatalog.h"
#include "document/TrimFix.h"
#include "files/VersionTag.h"

namespace pmr {

bool IsVersionPairListed(const VersionTable& table, std::string_view programTag,
                         std::string_view dataTag) {
    const auto& pairs = table.VersionPairs;
    for (std::size_t j = 0; j + 1 < pairs.size(); j += 2)
        if (pairs[j] == programTag && pairs[j + 1] == dataTag)
            return true;
    return false;
}

std::string VersionQuestion(const TextCatalog& texts, std::string_view programTag,
                            std::string_view dataTag, DataKind kind) {
    const std::string crlf = "\r\n";
    std::string q = texts.GetLangText(9062) + crlf;
    q += kind == DataKind::DocumentFile ? texts.GetLangText(9064) : texts.GetLangText(9060);
    q += " " + DottedVersionTag(dataTag) + crlf;
    q += texts.GetLangText(9061) + " " + DottedVersionTag(programTag);
    return q;
}

bool IsModelCompatible(std::string_view documentModel, std::string_view radioModel, int linkMode) {
    const std::string radio = TrimFix(radioModel);
    if (TrimFix(documentModel) == radio)
        return true;
    constexpr int kWriteMode = 2;
    if (linkMode == kWriteMode)
        return false;
    return radio == "VX210";
}

} // namespace pmr
