// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "JpegDecoder.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

#include "Owned.h"
#include "PictureRule.h"

namespace {

struct ErrorManager {
    jpeg_error_mgr base;  // first, so that libjpeg's pointer to it reaches the jump too
    std::jmp_buf jump;
};

// libjpeg's state and the way back from its errors: plain C data, which a longjmp may leave.
struct Decompression {
    jpeg_decompress_struct info;
    ErrorManager errors;
};

[[noreturn]] void jumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings about tolerated damage would land on stderr, which belongs to the one error line.
void stayQuiet(j_common_ptr) {}

// The two steps that call libjpeg each set their own jump and hold no C++ object with a
// destructor, because libjpeg leaves them by longjmp; GCC never inlines a function that calls
// setjmp, so the caller's objects stay out of reach too.
bool readHeader(Decompression& d, const unsigned char* data, unsigned long size, SIZE target) {
    if (setjmp(d.errors.jump) != 0) return false;
    jpeg_create_decompress(&d.info);
    jpeg_mem_src(&d.info, data, size);
    jpeg_read_header(&d.info, TRUE);
    const J_COLOR_SPACE stored = d.info.jpeg_color_space;
    d.info.out_color_space = stored == JCS_CMYK || stored == JCS_YCCK ? JCS_CMYK : JCS_EXT_BGRX;
    d.info.scale_num = static_cast<unsigned int>(jpegScaleEighths(
        static_cast<int>(d.info.image_width), static_cast<int>(d.info.image_height), target));
    d.info.scale_denom = 8;
    jpeg_calc_output_dimensions(&d.info);
    return d.info.output_components == 4;
}

bool readRows(Decompression& d, unsigned char* pixels) {
    if (setjmp(d.errors.jump) != 0) return false;
    jpeg_start_decompress(&d.info);
    const std::size_t stride = static_cast<std::size_t>(d.info.output_width) * 4;
    while (d.info.output_scanline < d.info.output_height) {
        JSAMPROW row = pixels + d.info.output_scanline * stride;
        if (jpeg_read_scanlines(&d.info, &row, 1) != 1) return false;
    }
    jpeg_finish_decompress(&d.info);
    return true;
}

// CMYK as Qt's jpeg plugin turns it into RGB: each colour times black, on inverted values,
// which is how Adobe's files store them; other CMYK files are inverted first.
void cmykToBgrx(std::vector<unsigned char>& pixels, bool inverted) {
    for (std::size_t i = 0; i + 3 < pixels.size(); i += 4) {
        unsigned char* p = &pixels[i];
        const int flip = inverted ? 0 : 255;
        const int c = p[0] ^ flip;
        const int m = p[1] ^ flip;
        const int y = p[2] ^ flip;
        const int k = p[3] ^ flip;
        p[0] = static_cast<unsigned char>(k * y / 255);
        p[1] = static_cast<unsigned char>(k * m / 255);
        p[2] = static_cast<unsigned char>(k * c / 255);
        p[3] = 255;
    }
}

}  // namespace

int jpegScaleEighths(int width, int height, SIZE target) {
    if (width <= 0 || height <= 0 || target.cx <= 0 || target.cy <= 0) return 1;
    int eighths = static_cast<int>(
        (std::max)(ceilDiv(8LL * target.cx, width), ceilDiv(8LL * target.cy, height)));
    eighths = eighths < 1 ? 1 : eighths > 8 ? 8 : eighths;
    // A very long, thin picture would be decoded near full size for its short side; the rule
    // lets through what fits at 1/8, so the reduction never gives less.
    while (eighths > 1 && jpegOutputBytes(width, height, eighths) > maxJpegOutputBytes) --eighths;
    return eighths;
}

std::optional<Pixels> decodeJpeg(const unsigned char* data, std::size_t size, SIZE target) {
    if (size > ULONG_MAX) return std::nullopt;
    Decompression d{};
    d.info.err = jpeg_std_error(&d.errors.base);
    d.errors.base.error_exit = jumpBack;
    d.errors.base.output_message = stayQuiet;
    const Owned<jpeg_decompress_struct*, jpeg_destroy_decompress> owner(&d.info);
    // Memory that runs out is error 7 on every port, not a bad picture.
    const auto failure = [&d]() -> std::optional<Pixels> {
        if (d.errors.base.msg_code == JERR_OUT_OF_MEMORY) throw std::bad_alloc();
        return std::nullopt;
    };
    if (!readHeader(d, data, static_cast<unsigned long>(size), target)) return failure();

    const std::uint64_t bytes = std::uint64_t{d.info.output_width} * d.info.output_height * 4;
    if (bytes == 0 || bytes > static_cast<std::uint64_t>(maxJpegOutputBytes)) return std::nullopt;
    Pixels decoded{
        static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height), {}};
    decoded.bgrx.resize(static_cast<std::size_t>(bytes));
    if (!readRows(d, decoded.bgrx.data())) return failure();
    if (d.info.out_color_space == JCS_CMYK) cmykToBgrx(decoded.bgrx, d.info.saw_Adobe_marker);
    return decoded;
}
