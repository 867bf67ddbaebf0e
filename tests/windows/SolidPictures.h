#pragma once

#include <array>
#include <string_view>

// The picture set of the Windows tests: each name a JPEG of one solid colour, far enough apart
// from each other and from the window's grey that a screen pixel tells which one is shown.
struct SolidPicture {
    std::string_view name;  // UTF-8
    int red;
    int green;
    int blue;
};

inline constexpr std::array<SolidPicture, 14> solidPictures{{
    {"0.jpg", 40, 40, 40},
    {"1.jpg", 200, 0, 0},
    {"2.jpg", 0, 160, 0},
    {"3.jpg", 0, 0, 200},
    {"4.jpg", 200, 200, 0},
    {"1õv.jpg", 0, 200, 200},
    {"2õv.jpg", 200, 0, 200},
    {"3õv.jpg", 255, 128, 0},
    {"4õv.jpg", 128, 0, 255},
    {"5õv.jpg", 0, 110, 255},
    {"3vv.jpg", 255, 255, 120},
    {"4vv.jpg", 128, 64, 0},
    {"5vv.jpg", 0, 255, 128},
    {"6vv.jpg", 255, 150, 150},
}};

// Largest difference per channel between a decoded, scaled pixel and its picture's colour.
inline constexpr int solidColourTolerance = 24;
