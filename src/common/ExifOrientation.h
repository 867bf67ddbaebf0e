// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// A camera stores a photo as its sensor saw it, and its EXIF orientation tag says how to turn it
// for showing: 1 is upright, 2 to 8 are the mirrorings and quarter turns of the EXIF standard.
// Gives that tag from the payload of an APP1 segment, or 0 when it holds none that is valid.
int exifOrientation(std::string_view app1Payload);
