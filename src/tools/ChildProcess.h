#pragma once
// Starting the programs under test as child processes and waiting for them
// with a time limit: the link soak and the whole-process benchmark.

#include <sys/wait.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace pmr::tools {

struct Process {
    pid_t pid = -1;
    int stdoutFd = -1;
};

inline Process Spawn(const std::vector<std::string>& args, const std::filesystem::path& outFile, bool pipeOut) {
    std::vector<char*> argv;
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeFds[2] = {-1, -1};
    if (pipeOut) {
        if (::pipe(pipeFds) != 0)
            return {};
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    Process p;
    if (posix_spawn(&p.pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        p.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    if (pipeOut) {
        ::close(pipeFds[1]);
        p.stdoutFd = pipeFds[0];
    }
    return p;
}

/// The first line the process prints (the radio's terminal path).
inline std::string FirstLine(int fd) {
    std::string line;
    char c;
    while (::read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

struct Ended {
    bool exited = false;
    int status = 0; // exit status, or the signal
    bool timedOut = false;
};

inline Ended Wait(pid_t pid, double limitS) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(limitS);
    int status = 0;
    for (;;) {
        const pid_t r = ::waitpid(pid, &status, WNOHANG);
        if (r == pid)
            break;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return {false, 0, true};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (WIFEXITED(status))
        return {true, WEXITSTATUS(status), false};
    return {false, WTERMSIG(status), false};
}

} // namespace pmr::tools
