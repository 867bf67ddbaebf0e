// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// A picture as 32-bit pixels in GDI+'s byte order (blue, green, red, then unused or a
// premultiplied alpha), top-down rows of width * 4 bytes.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> bgrx;
};
