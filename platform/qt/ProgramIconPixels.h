#pragma once

#include <cstdint>

// The program's icon at each of its sizes as premultiplied ARGB, one value a pixel, row by row;
// written at build time from the PNG files that are also installed in the icon theme.
struct IconPixels {
    int size;
    const std::uint32_t* argb;
};

inline constexpr int programIconSizes = 3;
extern const IconPixels programIconPixels[programIconSizes];
