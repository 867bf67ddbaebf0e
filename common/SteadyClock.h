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

    // Real milliseconds to wait for clockSeconds to pass on this clock, rounded up so that a
    // wait never ends before its time and a pause never has to poll again in a busy loop.
    int realMillisecondsFor(double clockSeconds) const {
        if (clockSeconds <= 0.0) return 0;
        return static_cast<int>(std::ceil(clockSeconds / speed_ * 1000.0));
    }

private:
    std::chrono::steady_clock::time_point origin_ = std::chrono::steady_clock::now();
    double speed_;
};
