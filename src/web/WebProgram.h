// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "SteadyClock.h"
#include "WindowDescription.h"

// The start routine of the page: builds the declared window, waits for the click on its button
// and runs the bound handler through the shared click dispatch. Afterwards the window leaves the
// page. Returns the program's exit status.
int runWebProgram(const ProgramDescription& description, SteadyClock clock = SteadyClock());
