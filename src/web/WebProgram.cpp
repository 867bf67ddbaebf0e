// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "WebProgram.h"

#include "ClickDispatch.h"
#include "PageWindow.h"
#include "WebUiPort.h"

int runWebProgram(const ProgramDescription& description, SteadyClock clock) {
    page::takeOverWindow(description);
    page::waitForClick();
    WebUiPort port(clock);
    const int status = runClickHandler(description, port);
    page::closeWindow();
    return status;
}
