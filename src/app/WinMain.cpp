// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <windows.h>

#include "Form1.h"
#include "Win32Program.h"

// The program reads nothing from its command line; only the show command of whoever started it
// is honoured, as for any Windows program.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    return runWin32Program(torvamikProgram(), showCommand);
}
