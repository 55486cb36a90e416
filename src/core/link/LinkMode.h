#pragma once
// The kind of transfer in progress and the outcome a transfer ends with.

#include <cstdint>

namespace pmr {

enum class LinkMode : std::int16_t {
    Idle = 0,
    Read = 1,      // the radio's main memory into ImageBuf, then into the document
    Write = 2,     // the document into ImageBuf, then into the radio
    RadioInfo = 3, // the dealer and radio information area into InfoBuf
    Search = 9,    // looking for a port setting at which the radio answers
};

/// Why a transfer ended. Everything but Success is a failure; the command-line
/// programmer turns these into its messages and exit codes.
enum class TransferResult {
    Success,
    PortNotOpened, // text 9003
    Declined,      // 9004 / 9005 answered Cancel
    RadioSilent,   // 9008 answered Cancel (or Cancel after a search without result)
    WrongPassword, // "PassWord Failure!"
    OtherModel,    // 9012
    OtherBand,     // 9030
    OtherVersion,  // the version question answered No (or Cancel at 9006)
    ProgramSwitch, // the version question answered Yes: the program ends
    WriteRefused,  // 9031 / 9032
    DocumentUnfit, // 9069: a value the radio cannot hold exactly; nothing sent
    PortLost,      // 9073: the device went away during the transfer
    Aborted,       // TransferDriver::Abort()
    BackupFailed,  // the radio's memory could not be kept before a write; nothing written
    VerifyFailed,  // read back after a write, the radio holds something else
    BlockRefused,  // 9180 answered Cancel: the radio refused one block again and again
};

} // namespace pmr
