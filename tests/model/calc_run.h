#pragma once
// Runs the built morvane-calc as a child process and collects its exit code,
// standard output and standard error.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

extern char** environ;

namespace calc_test {

inline std::string readAll(int fd)
{
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(fd);
    return text;
}

struct CalcRun {
    int exitCode = -1;  // 128 + the signal when a signal ended it, as shells give it
    std::string out, err;
};

// Where the program's standard input comes from and its standard output goes
// (empty: a pipe read by the test).
struct Redirect {
    std::string input = "/dev/null";
    std::string output;
    bool brokenPipe = false;     // standard output a pipe that nobody reads
    bool ignoreSigpipe = false;  // SIGPIPE ignored, as some services and scripts start programs
};

// Runs morvane-calc with the arguments; `locale`, when given, becomes LC_ALL.
inline CalcRun runCalc(const std::vector<std::string>& arguments, const char* locale = nullptr,
                const Redirect& redirect = {})
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("LC_ALL=", 0) != 0) env.emplace_back(*e);
    env.push_back(std::string("LC_ALL=") + (locale ? locale : "C.UTF-8"));

    // A cross-built morvane-calc runs through the emulator.
#ifdef MORVANE_CALC_EMULATOR
    const char* const program = MORVANE_CALC_EMULATOR;
    std::vector<char*> argv{const_cast<char*>(program), const_cast<char*>(MORVANE_CALC_PATH)};
#else
    const char* const program = MORVANE_CALC_PATH;
    std::vector<char*> argv{const_cast<char*>(program)};
#endif
    for (const auto& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);

    int outPipe[2], errPipe[2];
    if (pipe(outPipe) != 0 || pipe(errPipe) != 0) return {};
    // A pipe whose reading end is closed before the program starts fails its first write.
    if (redirect.brokenPipe) close(outPipe[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, redirect.input.c_str(), O_RDONLY, 0);
    if (redirect.output.empty())
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, redirect.output.c_str(), O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
    if (!redirect.brokenPipe) posix_spawn_file_actions_addclose(&actions, outPipe[0]);
    posix_spawn_file_actions_addclose(&actions, errPipe[0]);
    // An ignored signal stays ignored in the program; otherwise SIGPIPE has
    // its default action there, whatever the test runner set.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t sigpipe;
    sigemptyset(&sigpipe);
    sigaddset(&sigpipe, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &sigpipe);
    if (!redirect.ignoreSigpipe) posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    const auto previous = redirect.ignoreSigpipe ? signal(SIGPIPE, SIG_IGN) : SIG_DFL;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, &attributes, argv.data(), envp.data());
    if (redirect.ignoreSigpipe) signal(SIGPIPE, previous);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    CalcRun result;
    // Standard error is a few lines, well within one pipe buffer, so standard
    // output can be read to its end first.
    if (!redirect.brokenPipe) result.out = readAll(outPipe[0]);
    result.err = readAll(errPipe[0]);
    int status = 0;
    if (spawned == 0 && waitpid(pid, &status, 0) == pid) {
        if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) result.exitCode = 128 + WTERMSIG(status);
    }
    return result;
}

// Writes `content` to a file in the test's scratch folder; returns its path.
// The name carries the process id, because CTest runs each test case as its
// own process, several at once, and they share the scratch folder.
inline std::string scratchFile(const std::string& name, const std::string& content)
{
    const std::string path = testing::TempDir() + std::to_string(getpid()) + "-" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

}  // namespace calc_test
