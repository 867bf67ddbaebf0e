// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "WindowDescription.h"

// The declared window as elements of the page, made and changed by the page's script.
namespace page {

// Takes over the window that the build wrote into the page from the description, and gives the
// button the keyboard focus.
void takeOverWindow(const ProgramDescription& description);
// Returns once the button has been clicked; the page stays live meanwhile.
void waitForClick();
void setCaption(std::string_view text);
void disableButton();
// Takes the window off the page, as a closed window; nothing happens on a second call.
void closeWindow();
// Lets the page run for this many milliseconds on a timer, once the live region has told a screen
// reader of a picture that it has not heard of.
void sleep(int milliseconds);

}  // namespace page
