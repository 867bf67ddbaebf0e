// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cmath>

// A monotonic clock in seconds, the one every port reads. Tests pass a speed above 1 so that the
// quiz's pauses take milliseconds; the program itself runs at speed 1.
class SteadyClock {
public:
    explicit SteadyClock(double speed = 1.0) : speed_(speed) {}

    double seconds() const {
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - origin_;
        return elapsed.count() * speed_;
    }

    // Real milliseconds to wait for clockSeconds to pass on this clock, rounded up so that a pause
    // never has to poll again in a busy loop. (A port may wake a little early on purpose, as the
    // Qt pump does for long waits; the pause then waits the rest.)
    int realMillisecondsFor(double clockSeconds) const {
        if (clockSeconds <= 0.0) return 0;
        return static_cast<int>(std::ceil(clockSeconds / speed_ * 1000.0));
    }

private:
    std::chrono::steady_clock::time_point origin_ = std::chrono::steady_clock::now();
    double speed_;
};
