#include "SimOptions.h"

#include <charconv>
#include <string_view>
#include <vector>

namespace pmr::sim {
namespace {

bool ParseInt(std::string_view text, int& value) {
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    if (text.empty())
        return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return ec == std::errc() && end == text.data() + text.size();
}

// "12" or "12.5" milliseconds into microseconds, without the locale.
bool ParseMillis(std::string_view text, std::int64_t& micros) {
    auto dot = text.find('.');
    std::string_view whole = text.substr(0, dot);
    std::string_view frac =
        dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    if (whole.empty() || frac.size() > 3)
        return false;
    int w = 0;
    if (!ParseInt(whole, w) || w < 0 || whole.find('x') != std::string_view::npos)
        return false;
    std::int64_t f = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        char c = i < frac.size() ? frac[i] : '0';
        if (c < '0' || c > '9')
            return false;
        f = f * 10 + (c - '0');
    }
    micros = std::int64_t{w} * 1000 + f;
    return true;
}

std::vector<std::string_view> SplitList(std::string_view text) {
    std::vector<std::string_view> parts;
    while (!text.empty()) {
        auto comma = text.find(',');
        parts.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return parts;
}

bool ParseIntSet(std::string_view text, std::set<int>& out) {
    for (auto part : SplitList(text)) {
        int v = 0;
        if (!ParseInt(part, v) || v < 1)
            return false;
        out.insert(v);
    }
    return true;
}

// ADDR[:COUNT],... with ADDR decimal or 0x-hexadecimal.
bool ParseResend(std::string_view text, std::map<std::uint16_t, int>& out) {
    for (auto part : SplitList(text)) {
        auto colon = part.find(':');
        int address = 0, count = 1;
        if (!ParseInt(part.substr(0, colon), address) || address < 0 || address > 0xFFFF)
            return false;
        if (colon != std::string_view::npos &&
            (!ParseInt(part.substr(colon + 1), count) || count < 1))
            return false;
        out[static_cast<std::uint16_t>(address)] += count;
    }
    return true;
}

} // namespace

bool ParseSimOptions(int argc, const char* const* argv, SimOptions& o, bool& help,
                     std::string& error) {
    help = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view value;
        bool hasValue = false;
        if (auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            hasValue = true;
        }
        auto needValue = [&]() -> bool {
            if (hasValue)
                return true;
            if (i + 1 >= argc) {
                error = "option " + std::string(arg) + " needs a value";
                return false;
            }
            value = argv[++i];
            return true;
        };
        auto bad = [&]() {
            error = "bad value for " + std::string(arg) + ": " + std::string(value);
            return false;
        };
        int n = 0;
        if (arg == "--help" || arg == "-h") {
            help = true;
        } else if (arg == "--echo") {
            o.echo = true;
        } else if (arg == "--no-echo") {
            o.echo = false;
        } else if (arg == "--pace") {
            o.pace = true;
        } else if (arg == "--no-end-ack") {
            o.ackEnd = false;
        } else if (arg == "--verbose" || arg == "-v") {
            o.verbose = true;
        } else if (arg == "--model") {
            if (!needValue())
                return false;
            if (value.size() > 7)
                return bad();
            o.model = std::string(value);
        } else if (arg == "--band") {
            if (!needValue())
                return false;
            if (!ParseInt(value, n) || n < 0 || n > 255)
                return bad();
            o.band = n;
        } else if (arg == "--version") {
            if (!needValue())
                return false;
            if (value.size() > 4)
                return bad();
            o.version = std::string(value);
        } else if (arg == "--feature") {
            if (!needValue())
                return false;
            if (!ParseInt(value, n) || n < 0 || n > 255)
                return bad();
            o.feature = n;
        } else if (arg == "--password") {
            if (!needValue())
                return false;
            if (value.size() > 4)
                return bad();
            o.password = std::string(value);
        } else if (arg == "--image" || arg == "--info" || arg == "--testdata" ||
                   arg == "--save-image" || arg == "--save-info" || arg == "--save-testdata") {
            if (!needValue())
                return false;
            std::string v(value);
            if (arg == "--image")
                o.imageFile = v;
            else if (arg == "--info")
                o.infoFile = v;
            else if (arg == "--testdata")
                o.testDataFile = v;
            else if (arg == "--save-image")
                o.saveImageFile = v;
            else if (arg == "--save-info")
                o.saveInfoFile = v;
            else
                o.saveTestDataFile = v;
        } else if (arg == "--answer-from") {
            if (!needValue())
                return false;
            if (!ParseInt(value, n) || n < 1)
                return bad();
            o.answerFromHandshake = n;
        } else if (arg == "--silent-after") {
            if (!needValue())
                return false;
            if (!ParseInt(value, n) || n < 0)
                return bad();
            o.silentAfterBlock = n;
        } else if (arg == "--exit-after") {
            if (!needValue())
                return false;
            if (!ParseInt(value, n) || n < 0)
                return bad();
            o.exitAfterBlock = n;
        } else if (arg == "--resend") {
            if (!needValue())
                return false;
            if (!ParseResend(value, o.resendBlocks))
                return bad();
        } else if (arg == "--ignore-write") {
            if (!needValue())
                return false;
            std::map<std::uint16_t, int> addresses;
            if (!ParseResend(value, addresses))
                return bad();
            for (const auto& [address, count] : addresses)
                o.ignoreWrites.insert(address);
        } else if (arg == "--duplicate-ack") {
            if (!needValue())
                return false;
            std::map<std::uint16_t, int> addresses;
            if (!ParseResend(value, addresses))
                return bad();
            for (const auto& [address, count] : addresses)
                o.duplicateAcks.insert(address);
        } else if (arg == "--noise") {
            if (!needValue())
                return false;
            if (!ParseInt(value, n) || n < 0 || n > 1000)
                return bad();
            o.noisePermille = n;
        } else if (arg == "--seed") {
            if (!needValue())
                return false;
            if (!ParseInt(value, n) || n < 0)
                return bad();
            o.seed = static_cast<std::uint32_t>(n);
        } else if (arg == "--bad-checksum") {
            if (!needValue())
                return false;
            if (!ParseIntSet(value, o.badChecksumFrames))
                return bad();
        } else if (arg == "--split") {
            if (!needValue())
                return false;
            if (!ParseIntSet(value, o.splitFrames))
                return bad();
        } else if (arg == "--latency") {
            if (!needValue())
                return false;
            if (!ParseMillis(value, o.latencyMicros))
                return bad();
        } else if (arg == "--split-gap") {
            if (!needValue())
                return false;
            if (!ParseMillis(value, o.splitGapMicros))
                return bad();
        } else {
            error = "unknown option: " + std::string(argv[i]);
            return false;
        }
    }
    return true;
}

std::string SimUsageText() {
    return R"(Usage: pmr-radio-sim [OPTIONS]

Plays the radio's side of the programming link on a pseudo-terminal. The first
line printed is the path of the terminal; point the programmer at it (for
example with a [ports] entry in mysetup.ini, or pmr-cli --port PATH). Runs until
interrupted (Ctrl+C, SIGTERM) or until --exit-after is reached.

Radio identity (written into the memory after the memory files are loaded):
  --model NAME          model name, up to 7 characters (default VX210)
  --band CODE           band code 0-255 (default 4: 446.00625 - 446.19375 MHz)
  --version TAG         firmware version, up to 4 characters (default V100)
  --feature BYTE        feature byte at 0x13FC (default 0; bit 3 or bit 2 set
                        makes the programmer refuse to write)
  --password TEXT       programming password, up to 4 characters, stored at
                        0x142C-0x142F; "" removes it (default: none)

Memory files (raw bytes, exactly 5120, 512 and 16 bytes):
  --image FILE          load the main memory 0x0000-0x13FF
  --info FILE           load the information area 0x1400-0x15FF
  --testdata FILE       load the factory test data 0x1F00-0x1F0F
  --save-image FILE     save the main memory after every end frame and at exit
  --save-info FILE      the same for the information area
  --save-testdata FILE  the same for the test data
  Without files the radio holds a valid VX210 on band 4 with eight PMR446
  channels and a filled-in information area.

Line:
  --echo                the cable echoes every byte sent to it (default off)
  --no-echo             no echo
  --pace                pace both directions at 9600 bit/s, 10 bits a byte
  --latency MS          delay from a request's last byte to the reply (e.g. 2.5)

Faults (frames are counted from 1 in the order they are received, answered or
not: handshake, identification, password block read, blocks, end; blocks are
read requests and write blocks of the main memory 0x0000-0x13FF, counted from 1):
  --answer-from N       leave handshakes 1 to N-1 unanswered
  --silent-after N      answer nothing more after block N
  --exit-after N        close the terminal and end after answering block N
  --resend ADDR[:K],... answer the write block at ADDR with K resend requests
                        (0A) before accepting it (ADDR decimal or 0x..; K
                        defaults to 1)
  --ignore-write ADDR,...  acknowledge the write block at ADDR but keep the
                        memory as it was (a radio that loses a block)
  --duplicate-ack ADDR,...  send the ACK of the write block that ends where
                        ADDR begins twice, the second 5 ms after the first,
                        then refuse the block at ADDR once with a resend
                        request (a line that doubles an ACK)
  --bad-checksum N,...  send a wrong checksum in the reply to these frames
  --split N,...         send the reply to these frames in two parts
  --split-gap MS        pause between the two parts (default 20)
  --no-end-ack          do not acknowledge the end frame
  --noise PERMILLE      spoil replies at random, PERMILLE in a thousand: a
                        byte flipped or lost, a stray or doubled ACK, a stray
                        byte after the reply; frames from the programmer are
                        damaged at a sixteenth of that rate
  --seed N              the seed of the noise (default 1)

Other:
  --verbose, -v         log every frame to stderr
  --help, -h            show this text
)";
}

} // namespace pmr::sim
