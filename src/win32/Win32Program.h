// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>

#include "PictureLoader.h"
#include "SteadyClock.h"
#include "WindowDescription.h"

class MainWindow;
class Win32UiPort;

// The running program on Windows: the main window built from the description, the port the quiz
// uses, and the dispatch of the one bound click.
class Win32Program {
public:
    explicit Win32Program(const ProgramDescription& description, SteadyClock clock = SteadyClock());
    ~Win32Program();
    Win32Program(const Win32Program&) = delete;
    Win32Program& operator=(const Win32Program&) = delete;

    // Shows the window and runs the message loop until the window is closed while idle; the quiz
    // itself ends the process from inside the click. Returns the exit status.
    int run(int showCommand);

private:
    void dispatchClick();
    [[noreturn]] void finish(int status);

    const ProgramDescription& description_;
    GdiplusSession gdiplus_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<Win32UiPort> port_;
    bool clickRunning_ = false;
};

// The start routine: declares the process DPI-aware, builds the program and runs it until it ends.
int runWin32Program(const ProgramDescription& description, int showCommand,
                    SteadyClock clock = SteadyClock());
