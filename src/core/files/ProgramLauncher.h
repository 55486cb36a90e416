#pragma once
// How the core starts another installed program version and ends this one.
// The platform implements it; tests record the calls.

#include <string>

namespace pmr {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    /// The file name of this program's executable, without folder.
    virtual std::string OwnExecutableName() const = 0;
    /// Starts the program at `path` in a normal window; false when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
    /// Ends this program as soon as control returns to the event loop. The caller
    /// does nothing further with the document after calling it.
    virtual void EndThisProgram() = 0;
};

} // namespace pmr
