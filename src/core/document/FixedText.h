#pragma once
// A fixed-length text of N single-byte characters, as the radio and the .dat
// files store names, frequencies and codes. Assigning pads with spaces or cuts.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace pmr {

template <std::size_t N> struct FixedText {
    std::array<char, N> chars{};

    FixedText() = default;
    FixedText(std::string_view s) { assign(s); }
    FixedText& operator=(std::string_view s) {
        assign(s);
        return *this;
    }

    void assign(std::string_view s) {
        for (std::size_t i = 0; i < N; ++i)
            chars[i] = i < s.size() ? s[i] : ' ';
    }
    /// The raw characters, trailing spaces and NULs included.
    std::string raw() const { return std::string(chars.data(), N); }
    static constexpr std::size_t size() { return N; }
    char& operator[](std::size_t i) { return chars[i]; }
    char operator[](std::size_t i) const { return chars[i]; }
    friend bool operator==(const FixedText&, const FixedText&) = default;
};

} // namespace pmr
