// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Pause.h"

#include <algorithm>

#include "UiPort.h"

void Pause(UiPort& ui, double seconds) {
    const double start = ui.clockSeconds();
    for (double now = start; now - start < seconds; now = ui.clockSeconds()) {
        // Never ask for more than the whole pause, even if the clock seemed to run backwards.
        ui.pumpEvents(std::min(seconds, seconds - (now - start)));
    }
}
