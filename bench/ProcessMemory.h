// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <string>

// Resident memory of this process from /proc, in kilobytes: "VmRSS" now, "VmHWM" the peak.
inline long residentKilobytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == field + ":") {
            status >> value;
            return value;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

// Starts a new peak: VmHWM drops to the current resident size.
inline void resetResidentPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}
