#include "CliExitCodes.h"

namespace pmr::cli {

int ExitCodeFor(TransferResult result) {
    switch (result) {
    case TransferResult::Success:
        return kExitOk;
    case TransferResult::PortNotOpened:
    case TransferResult::PortLost:
        return kExitPortNotOpened;
    case TransferResult::RadioSilent:
        return kExitRadioSilent;
    case TransferResult::WrongPassword:
        return kExitWrongPassword;
    case TransferResult::OtherModel:
        return kExitOtherModel;
    case TransferResult::OtherBand:
        return kExitOtherBand;
    case TransferResult::OtherVersion:
        return kExitOtherVersion;
    case TransferResult::ProgramSwitch:
        return kExitProgramSwitch;
    case TransferResult::WriteRefused:
    case TransferResult::BlockRefused:
        return kExitWriteRefused;
    case TransferResult::DocumentUnfit:
        return kExitDocumentUnfit;
    case TransferResult::Aborted:
        return kExitInterrupted;
    case TransferResult::VerifyFailed:
        return kExitVerifyFailed;
    case TransferResult::BackupFailed:
        return kExitBackupFailed;
    case TransferResult::Declined:
        break;
    }
    return kExitFailure;
}

} // namespace pmr::cli
