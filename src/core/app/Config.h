#pragma once
// The configuration values that live for the whole run (mysetup.ini, Setting.ini,
// BatchFun.ini, the language choice and the operating-system variant).

#include <array>
#include <cstdint>
#include <string>

namespace pmr {

struct Config {
    std::int16_t ComPort = 1;
    std::int16_t HandshakingMode = 0;
    std::int16_t StopBits = 1;
    bool IsFirstRun = true;
    std::int16_t CurrentLanguage = 1; // 1 English, 2 Chinese
    std::int16_t ShownLanguage = 0;   // the language the main window was last labelled in
    std::string LanguageFile = "english.ini";
    std::string HelpFile;
    std::array<std::uint8_t, 4> ConfiguredFeatures{};
    std::array<std::uint8_t, 4> RadioFeatures{};
    std::array<std::uint8_t, 21> BatchSwitches{};
    bool UseFixedPortList = false;
};

} // namespace pmr
