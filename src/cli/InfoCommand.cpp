// pmr-cli info: the radio's dealer and radio information, printed.

#include "CliExitCodes.h"
#include "CliSession.h"
#include "link/TransferDriver.h"

#include <cstdint>
#include <string>

namespace pmr::cli {
namespace {

struct InfoField {
    const char* label;
    int index; // into the information area (radio address - 0x1400)
    int width;
};

constexpr InfoField kFields[] = {
    {"Area code", 0, 4},       {"Batch number", 16, 8},  {"Customer code", 32, 4},
    {"Serial number", 48, 16}, {"Factory date", 64, 16}, {"Repair date", 80, 16},
    {"Repair reason", 96, 96}, {"Dealer code", 448, 16}, {"Stock-in date", 464, 16},
    {"Sale date", 480, 16},    {"Handled by", 496, 16},
};

// A field ends at its first 00 or FF byte or at its width; trailing blanks go.
std::string FieldText(const std::uint8_t* bytes, int width) {
    std::string text;
    for (int i = 0; i < width && bytes[i] != 0x00 && bytes[i] != 0xFF; ++i) {
        const auto c = bytes[i];
        text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

} // namespace

int InfoCommand(CliSession& session, const CliOptions& /*options*/) {
    const TransferResult result =
        session.Run([](TransferDriver& d) { return d.ReadRMGDataFromRadio(); }, false);
    if (result != TransferResult::Success) {
        session.Tell(std::string("reading the radio information failed: ") + DescribeResult(result),
                     true);
        return ExitCodeFor(result);
    }
    const auto& info = session.App().images.InfoBuf;
    std::ostream& out = session.Out();
    for (const auto& f : kFields)
        out << f.label << ": " << FieldText(&info[f.index], f.width) << '\n';
    const std::uint8_t first = info[0x2C];
    out << "Programming password: " << (first == 0x00 || first == 0xFF ? "none" : "set") << '\n';
    return kExitOk;
}

} // namespace pmr::cli
