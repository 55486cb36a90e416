#pragma once
// The radio's programming password: bytes 12 to 15 of the block at 0x1420, up
// to the first 00 or FF. The check is made on the program's side only.

#include <cstdint>
#include <optional>
#include <string_view>
#include <span>
#include <string>

namespace pmr {

/// The radio's password from a password block reply (echo removed: 57 14 20
/// 10, 16 data bytes, checksum, 06), trimmed; empty for no password.
std::string RadioPasswordOf(std::span<const std::uint8_t> reply);

/// CheckRadioPassword: true when the radio has no password or `entered`, with
/// trailing blanks removed as the password dialog removes them, equals it
/// exactly (case-sensitive).
bool CheckRadioPassword(std::span<const std::uint8_t> reply, const std::string& entered);

/// A password typed on a UTF-8 terminal in the radio's single-byte code page
/// (Latin-1); nothing when it holds a character outside it or is not UTF-8.
std::optional<std::string> PasswordFromUtf8(std::string_view utf8);

} // namespace pmr
