#include "link/RadioPassword.h"

#include "document/TrimFix.h"

namespace pmr {

std::string RadioPasswordOf(std::span<const std::uint8_t> reply) {
    std::string password;
    for (std::size_t k = 0; k < 4; ++k) {
        const std::size_t position = 4 + 12 + k;
        if (position >= reply.size())
            break;
        const std::uint8_t b = reply[position];
        if (b == 0x00 || b == 0xFF)
            break;
        password.push_back(static_cast<char>(b));
    }
    return TrimFix(password);
}

bool CheckRadioPassword(std::span<const std::uint8_t> reply, const std::string& entered) {
    const std::string radio = RadioPasswordOf(reply);
    return radio.empty() || radio == TrimFix(entered);
}

std::optional<std::string> PasswordFromUtf8(std::string_view utf8) {
    std::string latin1;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            latin1.push_back(static_cast<char>(b));
            continue;
        }
        // Two-byte sequences C2 80 .. C3 BF are the code points 80 to FF; any
        // other sequence is a character Latin-1 does not have (or no UTF-8).
        if ((b != 0xC2 && b != 0xC3) || i + 1 >= utf8.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(utf8[i + 1]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        latin1.push_back(static_cast<char>(((b & 0x1F) << 6) | (next & 0x3F)));
        ++i;
    }
    return latin1;
}

} // namespace pmr
