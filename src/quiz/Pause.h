// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

class UiPort;

inline constexpr double pauseSeconds = 5.0;

// Waits the given time on the port's clock while the window keeps handling its events. It ends on
// the first clock reading at or after start + seconds, and sleeps in the event pump in between.
void Pause(UiPort& ui, double seconds = pauseSeconds);
