#pragma once
// Shared by the Qt-side link tests: a simulated radio serving a pseudo-terminal
// on its own thread, a scratch copy of the installation tree, a scripted user
// and an event loop that waits for a condition with a deadline.

#include "PtyRadio.h"
#include "RadioMemory.h"
#include "SimOptions.h"
#include "SimulatedRadio.h"
#include "link/LinkUser.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace pmr::test {

/// One simulated radio on a pseudo-terminal, served from a thread of its own.
class SimRadioThread {
public:
    explicit SimRadioThread(sim::SimOptions options = {},
                            sim::RadioMemory memory = sim::MakeDefaultRadio())
        : memory_(std::move(memory)), radio_(memory_, std::move(options)), pty_(radio_) {
        std::string error;
        if (!pty_.Open(error))
            throw std::runtime_error(error);
        path_ = pty_.DevicePath();
        thread_ = std::thread([this] {
            pty_.Run(stop_);
            finished_ = true;
        });
    }
    ~SimRadioThread() { Stop(); }
    SimRadioThread(const SimRadioThread&) = delete;
    SimRadioThread& operator=(const SimRadioThread&) = delete;

    const std::string& Path() const { return path_; }
    /// Stops serving; the memory may be inspected afterwards.
    void Stop() {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
    }
    bool Finished() const { return finished_; }
    /// Only after Stop() (or once Finished()): the radio thread owns them while running.
    const sim::RadioMemory& Memory() const { return memory_; }
    const sim::SimStats& Stats() const { return radio_.Stats(); }

private:
    sim::RadioMemory memory_;
    sim::SimulatedRadio radio_;
    sim::PtyRadio pty_;
    std::string path_;
    std::atomic<bool> stop_{false}, finished_{false};
    std::thread thread_;
};

/// A fresh copy of the built installation tree (settings, texts, templates) in
/// a temporary folder, so tests may change mysetup.ini.
class InstallCopy {
public:
    InstallCopy() {
        namespace fs = std::filesystem;
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ = fs::temp_directory_path() / ("pmr-" + std::string(info->test_suite_name()) + "-" +
                                             info->name() + "-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        const fs::path from = PMR_INSTALL_ROOT;
        fs::create_directories(root_ / "V100");
        fs::copy_file(from / "Version.ini", root_ / "Version.ini");
        fs::copy(from / "language", root_ / "language", fs::copy_options::recursive);
        for (const char* sub : {"language", "Init", "PIC"})
            if (fs::exists(from / "V100" / sub))
                fs::copy(from / "V100" / sub, root_ / "V100" / sub, fs::copy_options::recursive);
    }
    ~InstallCopy() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    std::string Root() const { return root_.string(); }
    std::string ProgramFolder() const { return (root_ / "V100").string(); }
    std::string SetupFile() const { return (root_ / "language" / "mysetup.ini").string(); }
    std::string File(const std::string& name) const { return (root_ / name).string(); }

private:
    std::filesystem::path root_;
};

/// A user who answers by script and remembers what the program said.
class ScriptedUser : public LinkUser {
public:
    Answer okCancel = Answer::Ok;       // the confirmations and the 9008 restart...
    std::vector<Answer> okCancelScript; // ...unless these come first, in order
    Answer retryCancel = Answer::Cancel;
    Answer yesNo = Answer::No;
    Answer yesNoCancel = Answer::Cancel;
    std::optional<std::string> password;
    int passwordDialogs = 0;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    int progressMax = 0;

    void ShowMessage(const std::string& text, Severity) override { messages.push_back(text); }
    Answer Ask(const std::string& text, Buttons buttons, Severity) override {
        questions.push_back(text);
        switch (buttons) {
        case Buttons::OkCancel:
            if (scriptUsed_ < okCancelScript.size())
                return okCancelScript[scriptUsed_++];
            return okCancel;
        case Buttons::RetryCancel:
            return retryCancel;
        case Buttons::YesNo:
            return yesNo;
        case Buttons::YesNoCancel:
            return yesNoCancel;
        case Buttons::Ok:
            break;
        }
        return Answer::Ok;
    }
    std::optional<std::string> AskPassword(const std::string&) override {
        ++passwordDialogs;
        return password;
    }
    void SetProgress(int percent) override { progressMax = std::max(progressMax, percent); }

private:
    std::size_t scriptUsed_ = 0;
};

/// Gives every test a QCoreApplication of its own (QSerialPort and QTimer need
/// an event dispatcher on this thread).
class QtLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QCoreApplication::instance())
            app_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

    /// Runs the event loop until `done` holds or `timeoutMs` passed; true when done.
    static bool RunUntil(const std::function<bool()>& done, int timeoutMs) {
        QEventLoop loop;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (done())
                loop.quit();
        });
        poll.start(5);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        if (!done())
            loop.exec();
        return done();
    }

private:
    int argc_ = 1;
    char name_[8] = "test";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> app_;
};

} // namespace pmr::test
