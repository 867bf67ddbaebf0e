// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Form1.h"
#include "QtProgram.h"

// The program takes nothing from its command line: Qt gets only the program name.
int main(int argc, char* argv[]) {
    runQtProgram(torvamikProgram(), argc > 0 ? argv[0] : "torvamik");
}
