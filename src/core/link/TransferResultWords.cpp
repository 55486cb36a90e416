#include "link/TransferResultWords.h"

namespace pmr {

const char* DescribeResult(TransferResult result) {
    switch (result) {
    case TransferResult::Success:
        return "done";
    case TransferResult::PortNotOpened:
        return "the serial port could not be opened";
    case TransferResult::Declined:
        return "the transfer was declined";
    case TransferResult::RadioSilent:
        return "the radio did not answer (check the cable, the port and that the radio is on)";
    case TransferResult::WrongPassword:
        return "wrong or missing radio password (use --password)";
    case TransferResult::OtherModel:
        return "the radio is another model than the document's";
    case TransferResult::OtherBand:
        return "the radio is on another band than the document's";
    case TransferResult::OtherVersion:
        return "the radio's version needs another program version (use --yes to start it)";
    case TransferResult::ProgramSwitch:
        return "handed over to the program version that fits the radio";
    case TransferResult::WriteRefused:
        return "the radio refuses to be written";
    case TransferResult::DocumentUnfit:
        return "the file holds values the radio cannot hold; nothing was written";
    case TransferResult::PortLost:
        return "the serial port went away during the transfer (cable or adapter unplugged)";
    case TransferResult::Aborted:
        return "interrupted";
    case TransferResult::VerifyFailed:
        return "read back, the radio does not hold what was written";
    case TransferResult::BackupFailed:
        return "the radio's memory could not be kept as a backup; nothing was written";
    case TransferResult::BlockRefused:
        return "the radio refused a block again and again: it received it but would not store it";
    }
    return "failed";
}

} // namespace pmr
