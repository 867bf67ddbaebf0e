// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "SteadyClock.h"
#include "WindowDescription.h"

class MainWindow;
class QtUiPort;

// The running program on Qt: the main window built from the description, the port the quiz uses,
// and the dispatch of the one bound click. A QApplication must exist.
class QtProgram {
public:
    explicit QtProgram(const ProgramDescription& description, SteadyClock clock = SteadyClock());
    ~QtProgram();

    MainWindow& window() const { return *window_; }
    QtUiPort& port() const { return *port_; }

    // Shows the window and runs the event loop until the program ends; returns the exit status.
    int run();

private:
    void dispatchClick();
    void finish(int status);

    const ProgramDescription& description_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtUiPort> port_;
    bool clickRunning_ = false;
    int exitStatus_ = -1;
};

// The start routine: builds the program, runs it until it ends and ends the process with its
// exit status. Qt sees only the program name.
[[noreturn]] void runQtProgram(const ProgramDescription& description, const char* programName,
                               SteadyClock clock = SteadyClock());
