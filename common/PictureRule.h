#pragma once

#include <cstdint>

// Temporary stand-in until the shared rule lands.
inline constexpr std::int64_t maxPictureFileBytes = 64LL * 1024 * 1024;
inline bool fullSizePictureFits(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width * height <= 8'000'000;
}
