#pragma once

#include <cstdio>
#include <string>

#include "RunTimeError.h"
#include "UiPort.h"
#include "WindowDescription.h"

// Runs the bound click handler and turns the way it ended into the program's exit status. The quiz
// ends the program by ProgramEnd; a failing platform call arrives as RunTimeError, which is written
// to standard error as one line and handed to showErrorBox (the platform's modal box) before the
// status 1. Both platforms dispatch the click through this, so they report errors alike.
template <typename ShowErrorBox>
int runClickHandler(ClickHandler handler, UiPort& ui, ShowErrorBox showErrorBox) {
    try {
        handler(ui);
        return 0;
    } catch (const ProgramEnd& end) {
        return end.exitStatus;
    } catch (const RunTimeError& error) {
        std::fprintf(stderr, "torvamik: %s\n", error.report().c_str());
        std::fflush(stderr);
        showErrorBox("Run-time error '" + std::to_string(error.number) + "':\n\n" +
                     error.description + "\n\n" + error.fileName);
        return 1;
    }
}
