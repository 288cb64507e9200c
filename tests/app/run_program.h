#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "../export/temp_folder.h"

extern char** environ;

namespace nodewick::testing {

// The exit code a run gets when it did not end within its time.
inline constexpr int kTimedOut = -2;

struct ProgramRun {
    int exitCode = -1;  // 128 + the signal when a signal ended it
    std::string out;
    std::string err;
};

// How to start a program: without a shell, in a working folder, with its
// standard input from a file (or /dev/null) and its output into files in
// scratch, which must be a folder other than the one the program works in.
struct ProgramStart {
    std::vector<std::string> arguments;
    std::string workingFolder;
    std::string input = "/dev/null";
    std::string outName = "stdout.txt";
    std::string errName = "stderr.txt";
};

// Starts a program and returns its process id, or -1.
inline pid_t StartProgram(const ProgramStart& start, const TempFolder& scratch)
{
    const std::string outPath = scratch.file(start.outName);
    const std::string errPath = scratch.file(start.errName);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, start.input.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addchdir_np(&actions, start.workingFolder.c_str());
    std::vector<std::string> copies = start.arguments;
    std::vector<char*> argv;
    for (std::string& argument : copies)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return error == 0 ? child : -1;
}

// Waits for a started program; one still running after the timeout is
// killed, so that a hang fails the test instead of blocking it.
inline ProgramRun FinishProgram(pid_t child, const ProgramStart& start, const TempFolder& scratch,
                                std::chrono::milliseconds timeout = std::chrono::seconds(60))
{
    ProgramRun run;
    if (child > 0) {
        const auto deadline = std::chrono::steady_clock::now() + timeout;
        int status = 0;
        pid_t ended = 0;
        while ((ended = waitpid(child, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (ended == 0) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            run.exitCode = kTimedOut;
        } else {
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
    }
    run.out = ReadBytes(scratch.file(start.outName));
    run.err = ReadBytes(scratch.file(start.errName));
    return run;
}

inline ProgramRun RunProgram(const ProgramStart& start, const TempFolder& scratch,
                             std::chrono::milliseconds timeout = std::chrono::seconds(60))
{
    return FinishProgram(StartProgram(start, scratch), start, scratch, timeout);
}

inline ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& workingFolder,
                             const TempFolder& scratch)
{
    return RunProgram(ProgramStart{.arguments = arguments, .workingFolder = workingFolder}, scratch);
}

} // namespace nodewick::testing
