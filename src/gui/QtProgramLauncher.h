#pragma once
// Starting another installed program version (for a file or radio of another
// data version) and ending this one.

#include "files/ProgramLauncher.h"

#include <functional>

namespace pmr {

class QtProgramLauncher : public ProgramLauncher {
public:
    /// `endProgram` ends this program without the closing questions.
    explicit QtProgramLauncher(std::function<void()> endProgram = {})
        : endProgram_(std::move(endProgram)) {}
    void SetEndProgram(std::function<void()> endProgram) { endProgram_ = std::move(endProgram); }

    std::string OwnExecutableName() const override;
    bool StartProgram(const std::string& path) override;
    void EndThisProgram() override;

private:
    std::function<void()> endProgram_;
};

} // namespace pmr
