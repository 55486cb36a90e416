#include "app/SetupValues.h"

#include "app/IniFile.h"

#include <charconv>
#include <limits>
#include <string>

namespace pmr {

namespace {
constexpr std::string_view kSetupSection = "language";
}

std::string ReadSetupValue(const InstallPaths& paths, std::string_view key) {
    return ReadProfileString(SetupFilePath(paths), kSetupSection, key, "", kSetupValueBuffer);
}

bool WriteSetupValue(const InstallPaths& paths, std::string_view key, std::string_view value) {
    return paths.WritesFiles &&
           WriteProfileString(SetupFilePath(paths), kSetupSection, key, value);
}

bool WriteSetupValue(const InstallPaths& paths, std::string_view key, int value) {
    return WriteSetupValue(paths, key, std::string_view(std::to_string(value)));
}

std::optional<short> ParseSetupNumber(std::string_view text) {
    std::string t = TrimBlanks(text);
    std::string_view digits = t;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    if (negative)
        value = -value;
    if (value < std::numeric_limits<short>::min() || value > std::numeric_limits<short>::max())
        return std::nullopt;
    return static_cast<short>(value);
}

} // namespace pmr
