#pragma once
// The user of a command-line transfer: messages go to stderr, questions are
// answered by the options, progress is drawn on stderr when it is a terminal.

#include "CliOptions.h"
#include "link/LinkUser.h"

#include <ostream>
#include <string>

namespace pmr {
class TextCatalog;
}

namespace pmr::cli {

class CliUser : public LinkUser {
public:
    CliUser(const CliOptions& options, const TextCatalog& texts, std::ostream& err,
            bool errIsTerminal);

    void ShowMessage(const std::string& text, Severity severity) override;
    Answer Ask(const std::string& text, Buttons buttons, Severity severity) override;
    std::optional<std::string> AskPassword(const std::string& current) override;

    void OpenProgress(const std::string& caption, const std::string& label) override;
    void SetProgress(int percent) override;
    void SetProgressLabel(const std::string& label) override;
    void SetProgressCaption(const std::string& caption) override;
    void CloseProgress() override;
    void ShowPortStatus(const std::string& text) override;
    bool HasEditors() const override { return false; }
    void ShowSearchPorts(const std::string& tried, const std::string& consoles) override;

    /// How often the retry question was answered OK.
    int Restarts() const { return restarts_; }
    static constexpr int kMaxRestarts = 2;

private:
    void EndProgressLine();
    void Say(const std::string& text);

    const CliOptions& options_;
    const TextCatalog& texts_;
    std::ostream& err_;
    bool terminal_;
    bool progressLine_ = false;
    std::string caption_;
    std::string label_;
    int restarts_ = 0;
};

} // namespace pmr::cli
