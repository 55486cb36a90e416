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
    return radio.empty() || radio == entered;
}

} // namespace pmr
