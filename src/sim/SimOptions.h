#pragma once
// What the simulated radio is and how it misbehaves, as chosen on its command line.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace pmr::sim {

struct SimOptions {
    // Identity, written into the memory after any memory file is loaded.
    std::optional<std::string> model;    // 7 bytes at 0x13F0
    std::optional<int> band;             // 0x13F7
    std::optional<std::string> version;  // 4 bytes at 0x13F8
    std::optional<int> feature;          // 0x13FC
    std::optional<std::string> password; // 0x142C..0x142F; empty = no password

    // Memory files: loaded at start, saved after every end frame and at exit.
    std::string imageFile, infoFile, testDataFile;
    std::string saveImageFile, saveInfoFile, saveTestDataFile;

    bool echo = false;                         // the cable returns every byte the program sends
    int answerFromHandshake = 1;               // handshakes before this one go unanswered
    int silentAfterBlock = 0;                  // 0 = never; counts main-image blocks answered
    int exitAfterBlock = 0;                    // 0 = never; the pseudo-terminal is closed
    std::map<std::uint16_t, int> resendBlocks; // write address -> resend requests to send
    std::set<std::uint16_t> ignoreWrites;      // write blocks acknowledged but not stored
    // Write blocks refused once, after the ACK of the block that ends where
    // they begin came twice, the second shortly after the first.
    std::set<std::uint16_t> duplicateAcks;
    std::set<int> badChecksumFrames;           // frame ordinals, from 1
    std::set<int> splitFrames;                 // frame ordinals, from 1
    bool ackEnd = true;                        // acknowledge the end frame
    // Line noise: each reply is spoiled with this chance in a thousand (a byte
    // flipped or lost, a stray or doubled ACK, a stray byte after it), and
    // a frame from the programmer is damaged at a sixteenth of that rate. Drawn
    // from `seed`, so that a run can be repeated.
    int noisePermille = 0;
    std::uint32_t seed = 1;
    std::int64_t latencyMicros = 0;            // from a request's last byte to the reply
    std::int64_t splitGapMicros = 20000;       // pause inside a split reply
    bool pace = false;                         // 9600 bit/s, 10 bits a byte, both ways
    bool verbose = false;                      // frames to stderr
};

/// Parses the command line (argv[1..]); on failure returns false with a message.
/// Sets `help` when --help was given.
bool ParseSimOptions(int argc, const char* const* argv, SimOptions& options, bool& help,
                     std::string& error);

/// The --help text.
std::string SimUsageText();

} // namespace pmr::sim
