#pragma once
// The serial trace in a file: one line per frame sent or received, time-out and
// note, each with the milliseconds of the link's clock. Lines are buffered and
// written out at notes and when the file is closed, so that writing never
// holds up the link; a failing file switches itself off silently.

#include "link/LinkTrace.h"

#include <cstdio>
#include <string>

namespace pmr {

class SerialTraceFile : public LinkTrace {
public:
    SerialTraceFile() = default;
    ~SerialTraceFile() override;
    SerialTraceFile(const SerialTraceFile&) = delete;
    SerialTraceFile& operator=(const SerialTraceFile&) = delete;

    /// Creates (truncates) the file; false with the reason when it cannot.
    bool Open(const std::string& path, std::string& error);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    void Sent(std::int64_t ms, const std::vector<std::uint8_t>& bytes) override;
    void Received(std::int64_t ms, const std::vector<std::uint8_t>& bytes) override;
    void Timeout(std::int64_t ms, int linkMode, int state) override;
    void Note(std::int64_t ms, const std::string& text) override;

private:
    void Line(const std::string& line, bool flush);
    std::FILE* file_ = nullptr;
};

} // namespace pmr
