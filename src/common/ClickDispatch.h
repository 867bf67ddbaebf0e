// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <new>
#include <string>

#include "RunTimeError.h"
#include "UiPort.h"
#include "WindowDescription.h"

// Runs the bound click handler and turns the way it ended into the program's exit status. The quiz
// ends the program by ProgramEnd; a failing platform call arrives as RunTimeError, and memory
// that ran out as error 7. An error is written to standard error as one line first, so that it is
// reported even when the port's box cannot show it, and ends in status 1. Every port dispatches
// the click through this, so they report errors alike.
inline int runClickHandler(const ProgramDescription& program, UiPort& ui) {
    RunTimeError error{};
    try {
        program.onButtonClick(ui);
        return 0;
    } catch (const ProgramEnd& end) {
        return end.exitStatus;
    } catch (const RunTimeError& caught) {
        error = caught;
    } catch (const std::bad_alloc&) {
        error = RunTimeError::outOfMemory();
    }
    std::fprintf(stderr, "torvamik: %s\n", error.report().c_str());
    std::fflush(stderr);
    try {
        ui.showMessage(error.boxText(), program.form.caption);
    } catch (...) {
        // The line above has reported the error already.
    }
    return 1;
}
