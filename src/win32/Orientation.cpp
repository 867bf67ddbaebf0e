// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Orientation.h"

#include <cstddef>
#include <cstring>

namespace {

// Where the shown picture's first pixel sits in the stored one, and how far the stored position
// moves for one step right and one step down in the shown picture, in pixels.
struct Walk {
    std::ptrdiff_t start;
    std::ptrdiff_t right;
    std::ptrdiff_t down;
};

Walk walkFor(int orientation, std::ptrdiff_t w, std::ptrdiff_t h) {
    const std::ptrdiff_t last = (h - 1) * w;
    switch (orientation) {
        case 2:  // mirrored left to right
            return {w - 1, -1, w};
        case 3:  // upside down
            return {last + w - 1, -1, -w};
        case 4:  // mirrored top to bottom
            return {last, 1, -w};
        case 5:  // mirrored along the diagonal from the top left
            return {0, w, 1};
        case 6:  // to be turned a quarter to the right
            return {last, -w, 1};
        case 7:  // mirrored along the other diagonal
            return {last + w - 1, -w, -1};
        case 8:  // to be turned a quarter to the left
            return {w - 1, w, -1};
        default:
            return {0, 1, w};
    }
}

}  // namespace

Pixels uprightPixels(Pixels stored, int orientation) {
    if (orientation < 2 || orientation > 8) return stored;
    const bool onItsSide = orientation >= 5;
    Pixels shown{onItsSide ? stored.height : stored.width, onItsSide ? stored.width : stored.height,
                 std::vector<unsigned char>(stored.bgrx.size())};
    const Walk walk = walkFor(orientation, stored.width, stored.height);
    const unsigned char* from = stored.bgrx.data();
    unsigned char* to = shown.bgrx.data();
    for (int y = 0; y < shown.height; ++y) {
        std::ptrdiff_t at = walk.start + y * walk.down;
        for (int x = 0; x < shown.width; ++x, at += walk.right, to += 4) {
            std::memcpy(to, from + at * 4, 4);
        }
    }
    return shown;
}
