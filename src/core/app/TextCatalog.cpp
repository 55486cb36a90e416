#include "app/TextCatalog.h"

namespace pmr {

std::string TextCatalog::GetLangText(int) const { return {}; }

} // namespace pmr
