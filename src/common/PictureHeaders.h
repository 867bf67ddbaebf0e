// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "PictureRule.h"

// Readers of the formats other than JPEG, each from just after its magic bytes: the picture's
// size as its header gives it, and whether the file runs to the end its own structure promises.
// Decoders show a cut-off PNG, GIF, BMP or WebP partly, each in its own way, so a file that ends
// early is no picture. The source is a JPEG walk's (see JpegWalk.h): next() and skip(count).
struct PictureSize {
    std::int64_t width = 0;
    std::int64_t height = 0;
    // False for a header that is cut off or malformed, or a file that ends too early.
    bool complete = false;
};

namespace pictureHeaders {

template <typename ByteSource>
bool read(ByteSource& in, unsigned char* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const int byte = in.next();
        if (byte < 0) return false;
        out[i] = static_cast<unsigned char>(byte);
    }
    return true;
}

inline std::uint32_t littleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

inline std::uint32_t bigEndian32(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
           std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// The IHDR chunk first (a decoder refuses a file without it), then chunk after chunk to IEND and
// its checksum.
template <typename ByteSource>
PictureSize readPng(ByteSource& in) {
    unsigned char header[25];
    if (!read(in, header, sizeof header)) return {};
    const PictureSize size{bigEndian32(header + 8), bigEndian32(header + 12), true};
    for (;;) {
        unsigned char chunk[8];
        if (!read(in, chunk, sizeof chunk)) return {};
        const bool end = std::memcmp(chunk + 4, "IEND", 4) == 0;
        if (!in.skip(std::int64_t{bigEndian32(chunk)} + 4)) return {};
        if (end) return size;
    }
}

template <typename ByteSource>
bool skipColourTable(ByteSource& in, unsigned flags) {
    return (flags & 0x80) == 0 || in.skip(3 << ((flags & 7) + 1));
}

template <typename ByteSource>
bool skipSubBlocks(ByteSource& in) {
    for (int length = in.next(); length != 0; length = in.next()) {
        if (length < 0 || !in.skip(length)) return false;
    }
    return true;
}

// The logical screen, grown to hold each image where it is placed; then block after block to the
// trailer, with at least one image on the way.
template <typename ByteSource>
PictureSize readGif(ByteSource& in) {
    unsigned char screen[7];
    if (!read(in, screen, sizeof screen) || !skipColourTable(in, screen[4])) return {};
    PictureSize size{littleEndian(screen, 2), littleEndian(screen + 2, 2), false};
    bool image = false;
    for (;;) {
        const int block = in.next();
        if (block == 0x3B) return {size.width, size.height, image};
        unsigned char descriptor[9];
        if (block == 0x21) {
            if (in.next() < 0 || !skipSubBlocks(in)) return {};
        } else if (block == 0x2C && read(in, descriptor, sizeof descriptor) &&
                   skipColourTable(in, descriptor[8]) && in.next() >= 0 && skipSubBlocks(in)) {
            size.width = std::max<std::int64_t>(
                size.width, littleEndian(descriptor, 2) + littleEndian(descriptor + 4, 2));
            size.height = std::max<std::int64_t>(
                size.height, littleEndian(descriptor + 2, 2) + littleEndian(descriptor + 6, 2));
            image = true;
        } else {
            return {};
        }
    }
}

// The rest of the file header (its size, and where the pixels start), then the info header:
// OS/2's 12 bytes with 16-bit sizes, or one of Windows' 40 to 124 bytes, whose negative height
// stores the rows from the top. The file must hold all the pixel data: rows padded to 4 bytes,
// or the byte count a run-length encoded picture gives.
template <typename ByteSource>
PictureSize readBmp(ByteSource& in) {
    unsigned char header[36];
    if (!read(in, header, 16)) return {};
    const std::int64_t pixelsAt = littleEndian(header + 8, 4);
    const std::uint32_t infoSize = littleEndian(header + 12, 4);
    std::int64_t done = 18;
    std::int64_t width = 0;
    std::int64_t height = 0;
    unsigned bits = 0;
    std::uint32_t compression = 0;
    std::int64_t encodedBytes = 0;
    if (infoSize == 12 && read(in, header + 16, 8)) {
        width = littleEndian(header + 16, 2);
        height = littleEndian(header + 18, 2);
        bits = littleEndian(header + 22, 2);
        done += 8;
    } else if ((infoSize == 40 || infoSize == 52 || infoSize == 56 || infoSize == 64 ||
                infoSize == 108 || infoSize == 124) &&
               read(in, header + 16, 20)) {
        width = static_cast<std::int32_t>(littleEndian(header + 16, 4));
        height = static_cast<std::int32_t>(littleEndian(header + 20, 4));
        bits = littleEndian(header + 26, 2);
        compression = littleEndian(header + 28, 4);
        encodedBytes = littleEndian(header + 32, 4);
        done += 20;
    } else {
        return {};
    }
    const bool topDown = height < 0;
    height = topDown ? -height : height;
    // Within the cap, the sums below cannot overflow.
    if (!fullSizePictureFits(width, height)) return {};
    const std::int64_t rowBytes = (width * bits + 31) / 32 * 4;
    std::int64_t dataBytes = 0;
    if ((compression == 0 &&
         (bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32)) ||
        (compression == 3 && (bits == 16 || bits == 32))) {
        dataBytes = rowBytes * height;
    } else if (((compression == 1 && bits == 8) || (compression == 2 && bits == 4)) && !topDown &&
               encodedBytes > 0) {
        dataBytes = encodedBytes;
    } else {
        return {};
    }
    if (pixelsAt < 14 + std::int64_t{infoSize} || !in.skip(pixelsAt + dataBytes - done)) return {};
    return {width, height, true};
}

// "WEBP" and the first chunk, which gives the size: a lossy picture (VP8 ), a lossless one
// (VP8L) or the canvas of an extended file (VP8X) with alpha or animation; then the rest of what
// the RIFF size promises.
template <typename ByteSource>
PictureSize readWebp(ByteSource& in) {
    unsigned char header[26];
    if (!read(in, header, 16) || std::memcmp(header + 4, "WEBP", 4) != 0) return {};
    const unsigned char* chunk = header + 8;
    const unsigned char* data = header + 16;
    PictureSize size;
    std::int64_t done = 30;  // bytes read from the start of the file
    if (std::memcmp(chunk, "VP8 ", 4) == 0 && read(in, header + 16, 10) &&
        std::memcmp(data + 3, "\x9D\x01\x2A", 3) == 0) {
        size = {littleEndian(data + 6, 2) & 0x3FFF, littleEndian(data + 8, 2) & 0x3FFF, true};
    } else if (std::memcmp(chunk, "VP8L", 4) == 0 && read(in, header + 16, 5) && data[0] == 0x2F) {
        const std::uint32_t bits = littleEndian(data + 1, 4);
        size = {(bits & 0x3FFF) + 1, ((bits >> 14) & 0x3FFF) + 1, true};
        done = 25;
    } else if (std::memcmp(chunk, "VP8X", 4) == 0 && read(in, header + 16, 10)) {
        size = {std::int64_t{littleEndian(data + 4, 3)} + 1,
                std::int64_t{littleEndian(data + 7, 3)} + 1, true};
    } else {
        return {};
    }
    // The RIFF size counts the bytes after itself.
    return in.skip(std::int64_t{littleEndian(header, 4)} + 8 - done) ? size : PictureSize{};
}

}  // namespace pictureHeaders
