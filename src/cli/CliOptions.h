#pragma once
// The command line of pmr-cli.

#include <optional>
#include <string>
#include <vector>

namespace pmr::cli {

struct CliOptions {
    std::string command; // read, write, restore, info, csv-export, csv-import, diff, report
    std::string file;    // read: output, write: input, restore: a backup, csv-*: input,
                         // diff: the older document, report: the document
    std::string output;  // csv-export: the CSV file, csv-import: the document file,
                         // diff: the newer document ("" with --port: the radio),
                         // report: the PDF file
    std::string into;    // csv-import: the document the channels go into
    bool fill = false;   // csv-import: only the channels the file names change
    std::string language; // report: "en" or "zh" ("": the language of mysetup.ini)
    std::string paper;    // report: "a4" or "letter" ("": the one of the locale)
    std::string port;                    // a number (3 = COM3) or a device path
    std::vector<std::string> ports;      // every --port given, in order (write: several radios)
    std::optional<std::string> password; // the radio's programming password
    bool yes = false;                    // answer retry and program-switch questions yes
    bool quiet = false;                  // only errors on stderr
    bool plain = false;                  // write: every block, no backup, no reading back
    bool dryRun = false;                 // write: say what would change, write nothing
    bool json = false;                   // diff: the differences as JSON
    std::string powerOnText;             // write: a power-on text with a run of # for the number
    int numberFrom = 1;                  // write: the number of the first radio
    std::string trace;                   // serial trace file
    std::string log;                     // write, restore: the log of writes ("": the default)
    std::string programDir;              // the program folder (language files, templates)
    bool help = false;
};

/// Parses argv[1..]; false with a message on a bad command line.
bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& options, std::string& error);

/// The --help text.
std::string CliUsageText();

} // namespace pmr::cli
