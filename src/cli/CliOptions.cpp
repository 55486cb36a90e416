#include "CliOptions.h"

#include "document/NumberedText.h"
#include "document/TrimFix.h"
#include "link/RadioPassword.h"

namespace pmr::cli {

bool ParseCliOptions(const std::vector<std::string>& args, CliOptions& o, std::string& error) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::string value;
        bool hasValue = false;
        if (auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        auto takeValue = [&]() {
            if (hasValue)
                return true;
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return false;
            }
            value = args[++i];
            return true;
        };
        if (arg == "-h" || arg == "--help") {
            o.help = true;
        } else if (arg == "-y" || arg == "--yes") {
            o.yes = true;
        } else if (arg == "-q" || arg == "--quiet") {
            o.quiet = true;
        } else if (arg == "--plain") {
            o.plain = true;
        } else if (arg == "--json") {
            o.json = true;
        } else if (arg == "--fill") {
            o.fill = true;
        } else if (arg == "--into") {
            if (!takeValue())
                return false;
            o.into = value;
        } else if (arg == "--language") {
            if (!takeValue())
                return false;
            if (value != "en" && value != "zh") {
                error = "--language takes en or zh";
                return false;
            }
            o.language = value;
        } else if (arg == "--paper") {
            if (!takeValue())
                return false;
            if (value != "a4" && value != "letter") {
                error = "--paper takes a4 or letter";
                return false;
            }
            o.paper = value;
        } else if (arg == "--dry-run" || arg == "-n") {
            o.dryRun = true;
        } else if (arg == "-p" || arg == "--port") {
            if (!takeValue())
                return false;
            if (o.port.empty())
                o.port = value;
            o.ports.push_back(value);
        } else if (arg == "--password") {
            if (!takeValue())
                return false;
            // The radio keeps one byte a character; trailing blanks do not
            // count, as in the password dialog.
            const auto latin1 = PasswordFromUtf8(value);
            if (!latin1) {
                error = "the radio password holds a character the radio cannot store "
                        "(only Latin-1 characters)";
                return false;
            }
            if (TrimFix(*latin1).size() > 4) {
                error = "a radio password has at most 4 characters";
                return false;
            }
            o.password = TrimFix(*latin1);
        } else if (arg == "--power-on-text") {
            if (!takeValue())
                return false;
            o.powerOnText = value;
            std::string why;
            const auto shown = NumberedText(value, 0, why);
            if (!shown) {
                error = "--power-on-text: " + why;
                return false;
            }
            if (shown->size() > 12) {
                error = "--power-on-text: the radio shows at most 12 characters";
                return false;
            }
        } else if (arg == "--number-from") {
            if (!takeValue())
                return false;
            bool digits = !value.empty() && value.size() <= 6;
            for (char c : value)
                digits = digits && c >= '0' && c <= '9';
            if (!digits) {
                error = "--number-from takes a number from 0 to 999999";
                return false;
            }
            o.numberFrom = std::stoi(value);
        } else if (arg == "--trace") {
            if (!takeValue())
                return false;
            o.trace = value;
        } else if (arg == "--log") {
            if (!takeValue())
                return false;
            if (value.empty()) {
                error = "--log needs a file name";
                return false;
            }
            o.log = value;
        } else if (arg == "--program-dir") {
            if (!takeValue())
                return false;
            o.programDir = value;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option: " + args[i];
            return false;
        } else {
            positional.push_back(args[i]);
        }
    }
    if (o.help)
        return true;
    if (positional.empty()) {
        error = "no command given";
        return false;
    }
    o.command = positional[0];
    if (!o.log.empty() && o.command != "write" && o.command != "restore") {
        error = "--log belongs to write and restore";
        return false;
    }
    if (o.json && o.command != "diff") {
        error = "--json belongs to diff";
        return false;
    }
    if ((!o.language.empty() || !o.paper.empty()) && o.command != "report") {
        error = std::string(o.language.empty() ? "--paper" : "--language") + " belongs to report";
        return false;
    }
    if (o.command == "report") {
        if (positional.size() != 3 || positional[1].empty() || positional[2].empty()) {
            error = "report needs DOC.dat and OUT.pdf";
            return false;
        }
        if (o.fill || !o.into.empty() || o.plain || o.dryRun || !o.powerOnText.empty() ||
            !o.ports.empty()) {
            error = std::string(o.fill                   ? "--fill"
                                : !o.into.empty()        ? "--into"
                                : o.plain                ? "--plain"
                                : o.dryRun               ? "--dry-run"
                                : !o.powerOnText.empty() ? "--power-on-text"
                                                         : "--port") +
                    " does not belong to report";
            return false;
        }
        o.file = positional[1];
        o.output = positional[2];
        return true;
    }
    if (o.command == "diff") {
        const std::size_t files = o.port.empty() ? 2 : 1;
        if (positional.size() != files + 1 || positional[1].empty() ||
            (files == 2 && positional[2].empty())) {
            error = o.port.empty() ? "diff needs A.dat and B.dat, or --port and one DOC.dat"
                                   : "diff --port compares the radio with one DOC.dat";
            return false;
        }
        if (o.fill || !o.into.empty() || o.plain || o.dryRun) {
            error = std::string(o.fill            ? "--fill"
                                : !o.into.empty() ? "--into"
                                : o.plain         ? "--plain"
                                                  : "--dry-run") +
                    " does not belong to diff";
            return false;
        }
        o.file = positional[1];
        o.output = files == 2 ? positional[2] : std::string();
    }
    for (const std::string& port : o.ports) {
        if (port.empty() || port[0] == '/')
            continue;
        bool digits = port.size() <= 3;
        for (char c : port)
            digits = digits && c >= '0' && c <= '9';
        if (!digits || std::stoi(port) < 1) {
            error = "--port takes a port number (3 = COM3) or a device path (/dev/ttyUSB0)";
            return false;
        }
    }
    if (o.ports.size() > 1) {
        if (o.command != "write") {
            error = "several --port belong to write";
            return false;
        }
        if (o.dryRun) {
            error = "--dry-run reads one radio: give one --port";
            return false;
        }
        for (std::size_t i = 0; i < o.ports.size(); ++i)
            for (std::size_t j = i + 1; j < o.ports.size(); ++j)
                if (o.ports[i] == o.ports[j]) {
                    error = "--port " + o.ports[i] + " is given twice";
                    return false;
                }
    }
    if (!o.powerOnText.empty() && o.command != "write") {
        error = "--power-on-text belongs to write";
        return false;
    }
    const bool csv = o.command == "csv-export" || o.command == "csv-import";
    if (csv) {
        if (positional.size() != 3 || positional[1].empty() || positional[2].empty()) {
            error = o.command + (o.command == "csv-export" ? " needs DOC.dat and OUT.csv"
                                                           : " needs IN.csv and OUT.dat");
            return false;
        }
        o.file = positional[1];
        o.output = positional[2];
    } else if ((o.fill || !o.into.empty())) {
        error = std::string(o.fill ? "--fill" : "--into") + " belongs to csv-import";
        return false;
    }
    if (o.command == "csv-export" && (o.fill || !o.into.empty())) {
        error = std::string(o.fill ? "--fill" : "--into") + " belongs to csv-import";
        return false;
    }
    if (o.fill && o.into.empty()) {
        error = "--fill fills the channels of a document: name it with --into";
        return false;
    }
    if (csv && (o.plain || o.dryRun)) {
        error = std::string(o.plain ? "--plain" : "--dry-run") + " belongs to write";
        return false;
    }
    if (csv)
        return true;
    const bool needsFile = o.command == "read" || o.command == "write" || o.command == "restore";
    if (!needsFile && o.command != "info" && o.command != "diff") {
        error = "unknown command: " + o.command;
        return false;
    }
    if (needsFile && (positional.size() != 2 || positional[1].empty())) {
        error = o.command + " needs one file name";
        return false;
    }
    if (o.command == "info" && positional.size() != 1) {
        error = "info takes no file name";
        return false;
    }
    if (needsFile)
        o.file = positional[1];
    if ((o.plain || o.dryRun) && o.command != "write") {
        error = std::string(o.plain ? "--plain" : "--dry-run") + " belongs to write";
        return false;
    }
    if (o.plain && o.dryRun) {
        error = "--dry-run reads the radio first, which a --plain write does not";
        return false;
    }
    return true;
}

std::string CliUsageText() {
    return R"(Usage: pmr-cli COMMAND [OPTIONS] [FILE]

Programs the radio from the command line, over the same link as the program.

Commands:
  read FILE.dat     read the radio into a document file
  write FILE.dat    write a document file into the radio (see Writing below)
  restore FILE.img  write a kept backup back into the radio, its whole memory
  info              read the radio's dealer and radio information and print it
  csv-export DOC.dat OUT.csv
                    write the channel table of a document file as a CSV
                    channel list (see Channel lists below)
  csv-import IN.csv OUT.dat [--into DOC.dat] [--fill]
                    read a CSV channel list into a new document from the
                    model's template, or into DOC.dat, and save it as OUT.dat
  report DOC.dat OUT.pdf [--language en|zh] [--paper a4|letter]
                    write a printable report of a document file as PDF: its
                    channel table and every settings window's values
  diff A.dat B.dat  print every difference from A.dat to B.dat, one line each
  diff --port PORT DOC.dat
                    read the radio (into memory only) and print every
                    difference from DOC.dat to what the radio holds; neither
                    the file nor the radio is changed (see Differences below)

Options:
  -p, --port PORT   the serial port: a number (3 = COM3, see the [ports]
                    section of mysetup.ini) or a device path such as
                    /dev/ttyUSB0; default: comPort of mysetup.ini. write
                    takes it more than once: every radio at the same time
      --password PW the radio's programming password (at most 4 characters)
  -y, --yes         answer the program's questions yes: start again after the
                    radio fell silent (twice at most), start the program
                    version that fits the radio; otherwise the safe answer is
                    given (no retry, no program switch)
      --power-on-text PATTERN
                    write: give each radio its own power-on text, the run of
                    # in PATTERN taking the radio's number with leading zeros
                    ("UNIT##": UNIT01, UNIT02, ... in the order of --port)
      --number-from N  the number of the first radio (default 1)
      --trace FILE  log every byte sent and received, with millisecond time
                    stamps, and every time-out to FILE
      --log FILE    write, restore: add the line of the write to FILE instead
                    of the log of writes in the data folder (see Writing below)
  -q, --quiet       print nothing but errors
      --plain       write: send every block of the file over a cleared
                    memory, with no backup and no reading back (the same as
                    PlainWrite=1 in mysetup.ini)
  -n, --dry-run     write: read the radio, keep a backup and print the blocks
                    and the channels and settings that would change; nothing
                    is written
      --into DOC.dat csv-import: the document the channels go into; its
                    channel table is replaced by the file's channels
      --fill        csv-import: change only the channels the file names and
                    keep the others (needs --into)
      --json        diff: print the differences as JSON
      --language L  report: en (English) or zh (Chinese); default: the
                    language chosen in the program (mysetup.ini)
      --paper P     report: a4 or letter; default: the paper of the locale
      --program-dir DIR  the program folder (language files, templates);
                    default: the folder of this executable
  -h, --help        show this text

Several radios: "pmr-cli write DOC.dat --port A --port B ..." writes every
radio at the same time, each with its own backup, read-back and line in the
log of writes; one failing leaves the others be. A line per port shows the
progress, and a table ends the run: port, model, band, serial number, result,
blocks written, time and backup file. Exit status 0 when every radio was
written, 16 when any was not.

Writing: first the radio's whole memory is read and kept as a backup in
$XDG_DATA_HOME/pmrprog/backups (default ~/.local/share/pmrprog/backups),
named MODEL_BAND_DATE-TIME_SERIAL.img with a .dat and a .txt beside it. The
file is written over that memory, so bytes this program does not use keep the
radio's values, and only the blocks that differ are sent; a file the radio
already holds writes nothing ("no change"). The written blocks are then read
back and compared. The newest 20 backups of each radio are kept, and never
fewer than one. A folder that cannot be written stops the write before anything
is sent. When the radio does not hold what was written, the channels and
settings concerned are named, and with --yes the backup is written back at
once; otherwise use "pmr-cli restore" with the backup named.

Every write and restore, whatever its outcome (but not a --dry-run), adds one
line to the log of writes, $XDG_DATA_HOME/pmrprog/writes.csv (default
~/.local/share/pmrprog/writes.csv), or to the file --log names: time (ISO 8601,
UTC), port, model, band, serial number, document file, its CRC-32, result
("done" or the reason it failed), blocks written and backup file. The window's
writes go into the same log. A log that cannot be written gives a warning; the
write itself is not failed by it.

Channel lists: the CSV layout that radio programs exchange (Location, Name,
Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq, DtcsCode, DtcsPolarity,
RxDtcsCode, CrossMode, Mode, TStep, Skip, Power, Comment, URCALL, RPT1CALL,
RPT2CALL, DVCODE), followed by columns for the channel settings that layout
lacks, so that nothing is lost on the way back. Every row is checked as if it
were typed into the channel grid; the report on stderr names each row that is
refused or changed, by line and column. OUT.dat holds the rows that were taken.

Differences: channels by number (added, removed, then each changed member),
then every radio-wide setting by the window and caption that edit it, with the
old and the new value as the program shows them:
  Channel 3, RX frequency (MHz): 446.03125 -> 446.04375
The exit status is 0 when there is no difference and 1 when there are, as
diff(1) gives; a file that cannot be read gives 10, a failed read of the radio
its status below, and a failure that would otherwise give 1 gives 16. With
--json, stdout holds one JSON array of objects with "kind" ("channel-added",
"channel-removed", "channel-changed" or "setting"), "channel" (0 for a
setting; 129 is the VFO), "member", "window", "caption", "old" and "new".

Progress is shown on stderr when it is a terminal. When the radio does not
answer, the program searches the serial ports and line settings for it and
saves the setting it finds to mysetup.ini.

Exit status:
  0 done                        8 other version
  1 other failure               9 write refused by the radio
  2 bad command line           10 file not readable or writable
  3 port not opened            11 handed over to another version
  4 radio silent               12 file holds values the radio cannot hold
  5 wrong password             13 the radio does not hold what was written
  6 other model                14 no backup could be kept: nothing written
  7 other band                 15 csv-import: rows refused or changed
                               16 several radios: one or more failed
                               17 diff: the compare could not be made
                              130 interrupted
  diff: 0 no difference, 1 the documents differ
)";
}

} // namespace pmr::cli
