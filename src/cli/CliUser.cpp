#include "CliUser.h"

#include "app/TextCatalog.h"

#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace pmr::cli {
namespace {

// Message-box texts may hold line breaks of their own; keep them on stderr lines.
std::string OneBlock(std::string text) {
    for (auto pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n"))
        text.replace(pos, 2, "\n");
    return text;
}

const char* AnswerName(Answer a) {
    switch (a) {
    case Answer::Ok:
        return "OK";
    case Answer::Cancel:
        return "Cancel";
    case Answer::Yes:
        return "Yes";
    case Answer::No:
        return "No";
    case Answer::Retry:
        return "Retry";
    }
    return "?";
}

} // namespace

CliUser::CliUser(const CliOptions& options, const TextCatalog& texts, std::ostream& err,
                 bool errIsTerminal)
    : options_(options), texts_(texts), err_(err), terminal_(errIsTerminal) {}

void CliUser::EndProgressLine() {
    if (progressLine_)
        err_ << '\n';
    progressLine_ = false;
}

void CliUser::Say(const std::string& text) {
    EndProgressLine();
    err_ << "pmr-cli: " << OneBlock(text) << '\n';
}

void CliUser::ShowMessage(const std::string& text, Severity severity) {
    // Errors and warnings always; the "finished" notes only when not quiet.
    if (options_.quiet && severity == Severity::Information && text != "PassWord Failure!")
        return;
    Say(text);
}

Answer CliUser::Ask(const std::string& text, Buttons buttons, Severity /*severity*/) {
    Answer answer = Answer::Cancel;
    switch (buttons) {
    case Buttons::OkCancel:
        if (text == texts_.GetLangText(9008)) {
            // The radio fell silent: start again only when told to, and not forever.
            answer = options_.yes && restarts_ < kMaxRestarts ? Answer::Ok : Answer::Cancel;
            if (answer == Answer::Ok)
                ++restarts_;
        } else {
            answer = Answer::Ok; // "read / write the radio?": the command itself said yes
        }
        break;
    case Buttons::RetryCancel:
        answer = options_.yes && restarts_ < kMaxRestarts ? Answer::Retry : Answer::Cancel;
        if (answer == Answer::Retry)
            ++restarts_;
        break;
    case Buttons::YesNo:
        answer = options_.yes ? Answer::Yes : Answer::No;
        break;
    case Buttons::YesNoCancel:
        // Save the changed document before the program ends? Without --yes keep
        // everything as it is: the transfer ends and nothing is lost.
        answer = options_.yes ? Answer::Yes : Answer::Cancel;
        break;
    case Buttons::Ok:
        answer = Answer::Ok;
        break;
    }
    if (!options_.quiet || answer == Answer::Cancel || answer == Answer::No)
        Say(text + " -> " + AnswerName(answer));
    return answer;
}

std::optional<std::string> CliUser::AskPassword(const std::string& /*current*/) {
    // Only a person at a terminal can be asked; a script passes --password.
    if (options_.password || !isatty(STDIN_FILENO) || !terminal_) {
        Say("the radio has a programming password" +
            std::string(options_.password ? " and it differs from --password" : ""));
        return std::nullopt;
    }
    EndProgressLine();
    err_ << "Radio password: " << std::flush;
    termios old{};
    const bool hide = tcgetattr(STDIN_FILENO, &old) == 0;
    if (hide) {
        termios quiet = old;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
    }
    std::string line;
    const bool got = static_cast<bool>(std::getline(std::cin, line));
    if (hide)
        tcsetattr(STDIN_FILENO, TCSANOW, &old);
    err_ << '\n';
    if (!got)
        return std::nullopt;
    return line.substr(0, 4);
}

void CliUser::OpenProgress(const std::string& caption, const std::string& label) {
    caption_ = caption;
    label_ = label;
    SetProgress(0);
}

void CliUser::SetProgress(int percent) {
    if (options_.quiet || !terminal_)
        return;
    err_ << '\r' << caption_ << ' ' << label_ << ' ' << percent << '%' << std::flush;
    progressLine_ = true;
}

void CliUser::SetProgressLabel(const std::string& label) {
    // The finished phase keeps its line; the next one starts a line of its own.
    EndProgressLine();
    label_ = label;
}

void CliUser::SetProgressCaption(const std::string& caption) {
    caption_ = caption;
    if (!options_.quiet)
        Say(caption);
}

void CliUser::CloseProgress() {
    EndProgressLine();
}

void CliUser::ShowSearchPorts(const std::string& tried, const std::string& consoles) {
    if (options_.quiet)
        return;
    Say("searching ports " + (tried.empty() ? std::string("(none)") : tried) +
        (consoles.empty() ? std::string() : " (left out, the system's console: " + consoles + ")"));
}

void CliUser::ShowPortStatus(const std::string& text) {
    if (!options_.quiet)
        Say("setting saved to mysetup.ini: " + text);
}

} // namespace pmr::cli
