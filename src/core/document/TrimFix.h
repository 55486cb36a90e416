#pragma once
// The trimmed value of a fixed text: how every comparison, display and encoding
// sees names, frequencies and codes.

#include "document/FixedText.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace pmr {

/// Removes trailing spaces, then cuts the text before its first character code 0.
/// The order matters: "AB \0  " gives "AB " (the space before the NUL stays).
std::string TrimFix(std::string_view text);

template <std::size_t N> std::string TrimFix(const FixedText<N>& text) {
    return TrimFix(std::string_view(text.chars.data(), N));
}

/// A one-character text holding character code 0, as the defaults store into
/// texts that are "empty but terminated".
inline constexpr std::string_view kNulText{"\0", 1};

} // namespace pmr
