// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>
#include <vector>

// One run of a bench program: what it wrote to standard output, how it ended, and its peak
// resident memory and processor time as the kernel counted them.
struct ChildRun {
    long long startNs = 0;  // CLOCK_MONOTONIC just before the program was started
    std::vector<std::string> lines;
    int exitStatus = -1;  // -1 when it was killed or did not end in time
    long peakResidentKb = 0;
    double cpuMs = 0.0;  // user and system time of the whole run
};

struct ChildCommand {
    std::vector<std::string> argv;
    std::vector<std::pair<std::string, std::string>> environment;  // added to ours
    std::string workingDirectory;                                  // empty: ours
    int timeoutSeconds = 60;
};

// Starts the program and waits for it; a program that runs past its timeout is killed.
ChildRun runChild(const ChildCommand& command);

// The words of the first output line that starts with key, without the key; empty if none.
std::vector<std::string> findLine(const ChildRun& run, const std::string& key);
