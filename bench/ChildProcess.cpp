// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

#include "Monotonic.h"

extern char** environ;

namespace {

std::vector<std::string> mergedEnvironment(
    const std::vector<std::pair<std::string, std::string>>& added) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text(*entry);
        bool replaced = false;
        for (const auto& [name, value] : added) replaced |= text.rfind(name + "=", 0) == 0;
        if (!replaced) result.push_back(text);
    }
    for (const auto& [name, value] : added) result.push_back(name + "=" + value);
    return result;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> result;
    for (std::string& text : texts) result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

}  // namespace

ChildRun runChild(const ChildCommand& command) {
    ChildRun run;
    int output[2];
    if (pipe2(output, O_CLOEXEC) != 0) return run;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    if (!command.workingDirectory.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, command.workingDirectory.c_str());
    }
    std::vector<std::string> argv = command.argv;
    std::vector<std::string> environment = mergedEnvironment(command.environment);
    const std::vector<char*> argvPointers = pointers(argv);
    const std::vector<char*> environmentPointers = pointers(environment);

    pid_t child = 0;
    run.startNs = monotonicNanoseconds();
    const int spawned = posix_spawn(&child, argvPointers[0], &actions, nullptr, argvPointers.data(),
                                    environmentPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    if (spawned != 0) {
        close(output[0]);
        return run;
    }

    std::string text;
    const long long deadline = run.startNs + command.timeoutSeconds * 1'000'000'000LL;
    for (;;) {
        const long long left = deadline - monotonicNanoseconds();
        if (left <= 0) {
            kill(child, SIGKILL);
            break;
        }
        pollfd readable{output[0], POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(left / 1'000'000 + 1)) <= 0) continue;
        char buffer[4096];
        const ssize_t count = read(output[0], buffer, sizeof buffer);
        if (count <= 0) break;
        text.append(buffer, static_cast<std::size_t>(count));
    }
    close(output[0]);

    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) == child) {
        run.peakResidentKb = usage.ru_maxrss;
        run.cpuMs = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                    static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
        if (WIFEXITED(status)) run.exitStatus = WEXITSTATUS(status);
    }
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
    return run;
}

std::vector<std::string> findLine(const ChildRun& run, const std::string& key) {
    for (const std::string& line : run.lines) {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first != key) continue;
        std::vector<std::string> rest;
        for (std::string word; words >> word;) rest.push_back(word);
        return rest;
    }
    return {};
}
