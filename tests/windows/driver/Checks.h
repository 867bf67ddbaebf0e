#pragma once

#include <cstdio>
#include <string>

// Collects failed expectations; the driver's exit status says whether there were any.
class Checks {
public:
    bool expect(bool ok, const std::string& what) {
        if (!ok) {
            std::printf("FAIL: %s\n", what.c_str());
            std::fflush(stdout);
            ++failures_;
        }
        return ok;
    }
    void note(const std::string& what) const {
        std::printf("%s\n", what.c_str());
        std::fflush(stdout);
    }
    int failures() const { return failures_; }

private:
    int failures_ = 0;
};
