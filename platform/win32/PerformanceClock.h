#pragma once

#include <windows.h>

#include <cmath>

// A monotonic clock in seconds on the performance counter. A test build of the program speeds it
// up so that the quiz's pauses take a fraction of a second; the program runs at speed 1.
class PerformanceClock {
public:
    explicit PerformanceClock(double speed = 1.0) : speed_(speed) {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        frequency_ = static_cast<double>(value.QuadPart);
        QueryPerformanceCounter(&value);
        origin_ = value.QuadPart;
    }

    double seconds() const {
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart - origin_) / frequency_ * speed_;
    }

    // Real milliseconds to wait for clockSeconds to pass on this clock, rounded up so that a wait
    // never ends before its time.
    DWORD realMillisecondsFor(double clockSeconds) const {
        if (clockSeconds <= 0.0) return 0;
        const double milliseconds = std::ceil(clockSeconds / speed_ * 1000.0);
        return milliseconds >= 3.6e6 ? 3600000u : static_cast<DWORD>(milliseconds);
    }

private:
    double speed_;
    double frequency_ = 1.0;
    LONGLONG origin_ = 0;
};
