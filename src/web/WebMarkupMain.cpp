// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <cstdio>

#include "Form1.h"
#include "WindowMarkup.h"

// Prints the declared window as HTML, for the build to put into the page.
int main() {
    std::puts(windowMarkup(torvamikProgram()).c_str());
}
