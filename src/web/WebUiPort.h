// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "SteadyClock.h"
#include "UiPort.h"

// The quiz's operations on the page. Each blocking call awaits the page's script, so the browser
// keeps running while a box is open or a pause waits.
class WebUiPort : public UiPort {
public:
    explicit WebUiPort(SteadyClock clock) : clock_(clock) {}

    Answer askYesNo(std::string_view prompt, std::string_view title) override;
    void showMessage(std::string_view prompt, std::string_view title) override;
    void showPicture(std::string_view fileName) override;
    void preparePicture(std::string_view fileName) override;
    void setCaption(std::string_view text) override;
    void disableButton() override;
    double clockSeconds() override;
    void pumpEvents(double maxWaitSeconds) override;
    [[noreturn]] void endProgram() override;

private:
    SteadyClock clock_;
};
