// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// The program's modal boxes as <dialog> elements over the window; the rest of the page is inert
// while one is open.
namespace page {

// Jah (the default) and Ei; Escape does nothing. True for Jah.
bool askYesNo(std::string_view prompt, std::string_view title);
// A single OK, which Escape presses as well.
void showMessage(std::string_view prompt, std::string_view title);

}  // namespace page
