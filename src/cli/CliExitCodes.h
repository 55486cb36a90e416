#pragma once
// The exit status of pmr-cli: one distinct code for every way a command fails.

#include "link/LinkMode.h"
#include "link/TransferResultWords.h"

namespace pmr::cli {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1,       // anything not listed below
    kExitDiffer = 1,        // diff: the documents differ (as diff(1) says it)
    kExitUsage = 2,         // bad command line
    kExitPortNotOpened = 3, // the port could not be opened, or went away during the transfer
    kExitRadioSilent = 4,   // the radio did not answer
    kExitWrongPassword = 5,
    kExitOtherModel = 6,
    kExitOtherBand = 7,
    kExitOtherVersion = 8,   // the radio's version needs another program version
    kExitWriteRefused = 9,   // the radio refuses to be written, or refused one block again and again
    kExitFileError = 10,     // the .dat file could not be read or written
    kExitProgramSwitch = 11, // handed over to the program version that fits the radio
    kExitDocumentUnfit = 12, // the document holds a value the radio cannot hold; nothing written
    kExitVerifyFailed = 13,  // read back after the write, the radio holds something else
    kExitBackupFailed = 14,  // the radio's memory could not be kept; nothing written
    kExitRowsNotTaken = 15,  // csv-import: rows of the file were refused or changed
    kExitSomeRadiosFailed = 16, // write with several --port: one radio or more failed
    kExitNotCompared = 17,   // diff: a failure that would otherwise be 1, read as "they differ"
    kExitInterrupted = 130,  // Ctrl+C or SIGTERM
};

/// The exit code of a transfer's outcome.
int ExitCodeFor(TransferResult result);

} // namespace pmr::cli
