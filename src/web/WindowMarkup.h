// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "WindowDescription.h"

// The declared window as HTML: the window's client area with the button in a polite live region
// and the empty picture area, every length through twips::toPixels. The window also carries its
// size and its button's font size as custom properties, from which the page scales it to fit the
// screen. The build writes it into the page, so that the window paints before the program has
// loaded; the program takes it over at start.
std::string windowMarkup(const ProgramDescription& description);
