// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "WindowDescription.h"

// The program as declared: Form1 with Command1 and Image1, and the click of Command1 bound to
// Command1_Click. Shared by every platform's entry point.
const ProgramDescription& torvamikProgram();
