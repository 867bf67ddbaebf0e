// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "RunTimeError.h"

// The two answers of a question box, with the numbers the windowing runtime reports for them.
enum class Answer : int { Yes = 6, No = 7 };
inline constexpr Answer AnswerYes = Answer::Yes;
inline constexpr Answer AnswerNo = Answer::No;

// Everything the quiz does to the screen, the clock and the process goes through this interface,
// so the same quiz runs on Qt, on the Windows API, on a web page and on a scripted port in tests.
// Texts are UTF-8. Every call happens on the window's thread.
class UiPort {
public:
    virtual ~UiPort() = default;

    // Modal box with the buttons Yes (the default) and No; it closes only through one of them.
    virtual Answer askYesNo(std::string_view prompt, std::string_view title) = 0;
    // Modal box with a single OK button.
    virtual void showMessage(std::string_view prompt, std::string_view title) = 0;
    // Loads the picture file of this bare name from the current directory and shows it in the
    // picture area. Throws RunTimeError when the file is missing or no readable picture.
    virtual void showPicture(std::string_view fileName) = 0;
    // The picture the quiz is about to show: a port may start reading it now so that the
    // showPicture() that follows is quicker. It must not fail or show anything; errors belong to
    // showPicture(). Does nothing unless a port overrides it.
    virtual void preparePicture(std::string_view fileName) { static_cast<void>(fileName); }
    virtual void setCaption(std::string_view text) = 0;
    virtual void disableButton() = 0;
    // Seconds with fractions from a monotonic source; only differences are meaningful.
    virtual double clockSeconds() = 0;
    // Processes pending window events; if there are none, sleeps until one arrives or
    // maxWaitSeconds have passed on the port's clock, whichever comes first.
    virtual void pumpEvents(double maxWaitSeconds) = 0;
    // Closes the window and ends the program with status 0. Nothing after this call runs.
    [[noreturn]] virtual void endProgram() = 0;
};
