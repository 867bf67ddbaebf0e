// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include "Pixels.h"

// The picture as it is meant to be seen, from the pixels as stored and their EXIF orientation
// (1 to 8; anything else counts as 1): turned and mirrored, with width and height swapped for
// 5 to 8.
Pixels uprightPixels(Pixels stored, int orientation);
