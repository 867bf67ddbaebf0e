// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Win32Program.h"

#include "ClickDispatch.h"
#include "MainWindow.h"
#include "Win32UiPort.h"

Win32Program::Win32Program(const ProgramDescription& description, SteadyClock clock)
    : description_(description),
      window_(std::make_unique<MainWindow>(description, [this] { dispatchClick(); })),
      port_(std::make_unique<Win32UiPort>(*window_, clock)) {}

Win32Program::~Win32Program() = default;

int Win32Program::run(int showCommand) {
    window_->show(showCommand);
    MSG message;
    int result;
    while ((result = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        if (window_->handleDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return result < 0 ? 1 : static_cast<int>(message.wParam);
}

void Win32Program::dispatchClick() {
    if (clickRunning_) return;
    clickRunning_ = true;
    // The quiz never returns normally; the exceptions stop here, inside the window procedure,
    // because they cannot pass through the system's frames above it.
    finish(runClickHandler(description_, *port_));
}

void Win32Program::finish(int status) {
    window_->close();
    ExitProcess(static_cast<UINT>(status));
}

int runWin32Program(const ProgramDescription& description, int showCommand, SteadyClock clock) {
    SetProcessDPIAware();
    Win32Program program(description, clock);
    return program.run(showCommand);
}
