#pragma once
// A number member's value as its window shows it: the entry of its list, the
// state of its check box, a tone's or channel's name.

#include <string>

namespace pmr {

struct NumberShape;
class TextCatalog;

/// The text `shape` gives `value`, in the language of `texts`. A value no
/// entry stands for is shown as the number that would stand for it.
std::string ShownNumber(const TextCatalog& texts, const NumberShape& shape, int value);

} // namespace pmr
