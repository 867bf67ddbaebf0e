// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "WebProgram.h"

#include <string>

#include "ClickDispatch.h"
#include "PageBoxes.h"
#include "PageWindow.h"
#include "WebUiPort.h"

int runWebProgram(const ProgramDescription& description, SteadyClock clock) {
    page::buildWindow(description);
    page::waitForClick();
    WebUiPort port(clock);
    const int status =
        runClickHandler(description.onButtonClick, port, [&description](const std::string& text) {
            page::showMessage(text, description.form.caption);
        });
    page::closeWindow();
    return status;
}
