#include "SerialTraceFile.h"

#include <cerrno>
#include <cstring>

namespace pmr {

SerialTraceFile::~SerialTraceFile() {
    Close();
}

bool SerialTraceFile::Open(const std::string& path, std::string& error) {
    Close();
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    // A large buffer: a whole transfer's bytes fit, the disk is touched at notes.
    std::setvbuf(file_, nullptr, _IOFBF, 1 << 16);
    return true;
}

void SerialTraceFile::Close() {
    if (file_)
        std::fclose(file_);
    file_ = nullptr;
}

void SerialTraceFile::Line(const std::string& line, bool flush) {
    if (!file_)
        return;
    if (std::fputs(line.c_str(), file_) < 0 || std::fputc('\n', file_) == EOF ||
        (flush && std::fflush(file_) != 0))
        Close(); // a full disk must not end the transfer
}

void SerialTraceFile::Sent(std::int64_t ms, const std::vector<std::uint8_t>& bytes) {
    Line(FormatTraceBytes(ms, "TX", bytes), false);
}

void SerialTraceFile::Received(std::int64_t ms, const std::vector<std::uint8_t>& bytes) {
    Line(FormatTraceBytes(ms, "RX", bytes), false);
}

void SerialTraceFile::Timeout(std::int64_t ms, int linkMode, int state) {
    Line(std::to_string(ms) + " TIMEOUT mode " + std::to_string(linkMode) + " state " +
             std::to_string(state),
         false);
}

void SerialTraceFile::Note(std::int64_t ms, const std::string& text) {
    Line(std::to_string(ms) + " NOTE " + text, true);
}

} // namespace pmr
