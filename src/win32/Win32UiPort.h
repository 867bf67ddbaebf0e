// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "SteadyClock.h"
#include "UiPort.h"

class MainWindow;

// The quiz's operations on the Windows API, acting on one main window.
class Win32UiPort : public UiPort {
public:
    Win32UiPort(MainWindow& window, SteadyClock clock);

    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    void showMessage(std::string_view prompt, std::string_view title) override;
    void showPicture(std::string_view fileName) override;
    void setCaption(std::string_view text) override;
    void disableButton() override;
    double clockSeconds() override;
    void pumpEvents(double maxWaitSeconds) override;
    [[noreturn]] void endProgram() override;

private:
    // Once the main window is closed the program is over: every later call ends it at once, and
    // no further box opens.
    void endIfWindowClosed() const;
    // Dispatches every waiting message; false once the quit message came.
    bool dispatchPending();

    MainWindow& window_;
    SteadyClock clock_;
};
