#include "app/ButtonCaptions.h"

#include "app/TextCatalog.h"

namespace pmr {

void SetOkCancelCaptions(CaptionTarget& window, const TextCatalog& texts) {
    window.SetControlCaption("CommandOK", texts.GetLangText(9017));
    window.SetControlCaption("CommandCancel", texts.GetLangText(9018));
}

void SetCloseCaption(CaptionTarget& window, const TextCatalog& texts) {
    window.SetControlCaption("CommandClose", texts.GetLangText(9023));
}

void SetHelpCaption(CaptionTarget& window, const TextCatalog& texts) {
    window.SetControlCaption("CommandHelp", texts.GetLangText(9025));
}

void SetCloseHelpCaptions(CaptionTarget& window, const TextCatalog& texts) {
    SetCloseCaption(window, texts);
    SetHelpCaption(window, texts);
}

} // namespace pmr
