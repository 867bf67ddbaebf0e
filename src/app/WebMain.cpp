// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Form1.h"
#include "WebProgram.h"

// The shipped page runs the clock at its real speed; the test page is built with a faster one.
#ifndef TORVAMIK_CLOCK_SPEED
#define TORVAMIK_CLOCK_SPEED 1.0
#endif

int main() {
    return runWebProgram(torvamikProgram(), SteadyClock(TORVAMIK_CLOCK_SPEED));
}
