// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <vector>

// What a picture file may cost, decided before any decoder runs and alike on every port. A file
// over these limits is refused as no readable picture (run-time error 481), so that no picture,
// however crafted, takes more than about 256 MB beyond what the program holds anyway.

// Largest file any port reads; far above any camera's JPEG.
inline constexpr std::int64_t maxPictureFileBytes = 64LL * 1024 * 1024;

// Largest picture in another format (PNG, GIF, BMP, WebP under a .jpg name), which decodes at
// full size.
inline constexpr std::int64_t maxFullSizePixels = 8LL * 1024 * 1024;

// Largest output of a JPEG decoded at its smallest scale, 1/8, at 4 bytes a pixel: JPEGs up to
// about 32768 x 32768 pixels.
inline constexpr std::int64_t maxJpegOutputBytes = 64LL * 1024 * 1024;

// Largest set of whole-image coefficient buffers, which libjpeg keeps for a progressive or
// multi-scan JPEG at every output scale: a 10000 x 10000 greyscale picture needs 191 MiB.
inline constexpr std::int64_t maxJpegCoefficientBytes = 224LL * 1024 * 1024;

// What a JPEG's headers say about the memory its decoding takes.
struct JpegFrame {
    struct Component {
        int horizontalSampling;
        int verticalSampling;
    };
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::vector<Component> components;
    // Progressive, or a first scan that carries only some of the components: the decoder then
    // holds the coefficients of the whole image until the last scan.
    bool wholeImageBuffers = false;
};

// value / divisor rounded up, for positive numbers.
std::int64_t ceilDiv(std::int64_t value, std::int64_t divisor);
// The output of a JPEG decoded at eighths/8 of its size, as libjpeg rounds it, at 4 bytes a pixel.
std::int64_t jpegOutputBytes(std::int64_t width, std::int64_t height, int eighths);
// The memory the rule counts for decoding the JPEG: its smallest output, and its coefficients
// when the decoder keeps them whole.
std::int64_t jpegWorkingBytes(const JpegFrame& frame);
bool jpegFits(const JpegFrame& frame);
bool fullSizePictureFits(std::int64_t width, std::int64_t height);
