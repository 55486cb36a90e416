#pragma once
// The shared captions of the standard dialog buttons. Each window that has them
// names its buttons CommandOK / CommandCancel or CommandClose / CommandHelp and
// lets these functions label them in the current language.

#include <string>
#include <string_view>

namespace pmr {

class TextCatalog;

/// What the captions need of a window: set the caption of a control by name.
class CaptionTarget {
public:
    virtual ~CaptionTarget() = default;
    virtual void SetControlCaption(std::string_view controlName, const std::string& caption) = 0;
};

/// CommandOK = text 9017, CommandCancel = text 9018.
void SetOkCancelCaptions(CaptionTarget& window, const TextCatalog& texts);
/// CommandClose = text 9023.
void SetCloseCaption(CaptionTarget& window, const TextCatalog& texts);
/// CommandHelp = text 9025.
void SetHelpCaption(CaptionTarget& window, const TextCatalog& texts);
/// Both of the above.
void SetCloseHelpCaptions(CaptionTarget& window, const TextCatalog& texts);

} // namespace pmr
