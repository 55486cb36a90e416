#pragma once
// The configuration values that live for the whole run (mysetup.ini, Setting.ini,
// BatchFun.ini, the language choice, the help pages and the port-list rule).
// Start-up (RunStartup) fills them; afterwards only the dialogs and functions
// that own a value change it.

#include <array>
#include <cstdint>
#include <string>

namespace pmr {

constexpr int kFeatureSwitchCount = 4;
constexpr int kBatchSwitchCount = 21;

struct Config {
    std::int16_t ComPort = 1;         // key comPort, 1 = first serial port
    std::int16_t HandshakingMode = 0; // key Handshaking, 0..3
    std::int16_t StopBits = 1;        // key StopBit, 1 or 2
    bool IsFirstRun = true;           // key IsFirstRun; the file holds 0 after the first start
    std::int16_t CurrentLanguage = 1; // 1 English, 2 Chinese; other values kept, English texts
    std::int16_t ShownLanguage = 0;   // the language the main window was last labelled in
    std::string LanguageFile = "english.ini";
    /// The help pages of the current language: a folder of HTML pages (see HelpPages.h).
    std::string HelpFile;
    /// Application title (text 12000); also the key of the main window's geometry.
    std::string AppTitle;
    bool PrintEnabled = false; // the Print command stays hidden
    bool HelpEnabled = true;   // help pages are offered when present
    /// key ShowBatchAndTestFreq: non-zero offers the batch channel settings and
    /// the test frequencies in the Edit menu; the shipped setup keeps them hidden.
    bool ShowBatchAndTestFreq = false;
    /// Setting.ini: index 3 = 1 offers the DTMF window; 0..2 stored and saved only.
    std::array<std::uint8_t, kFeatureSwitchCount> ConfiguredFeatures{};
    /// Reported by the last radio; index 0 or 1 set refuses writing to it. Not saved.
    std::array<std::uint8_t, kFeatureSwitchCount> RadioFeatures{};
    /// BatchFun.ini: the batch-function switches, each 0 or 1.
    std::array<std::uint8_t, kBatchSwitchCount> BatchSwitches{};
    /// true: port dialogs offer ports 1..16 without asking the system. This
    /// platform always has a system port list, so start-up sets it false.
    bool UseFixedPortList = false;
};

} // namespace pmr
