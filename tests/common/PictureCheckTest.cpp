// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "PictureCheck.h"
#include "StreamBytes.h"

// The decision every port makes about a picture file before decoding it: which of the five
// formats it is, whether it runs to its end, and whether its size is within the pixel cap.

namespace {

using Format = PictureFormat;

std::string little(std::uint32_t value, int bytes) {
    std::string text;
    for (int i = 0; i < bytes; ++i) text.push_back(static_cast<char>(value >> (8 * i)));
    return text;
}

std::string big32(std::uint32_t value) {
    return {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
}

std::string chunk(const std::string& type, const std::string& data) {
    return big32(data.size()) + type + data + "CRC!";
}

std::string png(std::uint32_t width, std::uint32_t height, int ihdrLength = 13) {
    return "\x89PNG\r\n\x1A\n" + big32(ihdrLength) + "IHDR" + big32(width) + big32(height) +
           std::string("\x08\x02\0\0\0CRC!", 9) + chunk("IDAT", "data") + chunk("IEND", "");
}

// A GIF with a global colour table, a graphic control extension and one image.
std::string gif(int width, int height, int imageLeft, int imageWidth, int imageHeight) {
    return "GIF89a" + little(width, 2) + little(height, 2) + std::string("\x80\0\0", 3) +
           std::string(6, '\x7F') + std::string("\x21\xF9\x04\0\0\0\0\0\x2C", 9) +
           little(imageLeft, 2) + little(0, 2) + little(imageWidth, 2) + little(imageHeight, 2) +
           std::string("\0\x02\x02\x4C\x01\0\x3B", 7);
}

// A BMP whose pixels start right after its header and palette; the pixel data is dataBytes long,
// or as long as the rows need.
std::string bmp(std::int32_t width, std::int32_t height, int bits = 24, int compression = 0,
                std::int64_t dataBytes = -1, int infoSize = 40) {
    const std::int64_t rows = height < 0 ? -std::int64_t{height} : height;
    if (dataBytes < 0) dataBytes = (std::int64_t{width} * bits + 31) / 32 * 4 * rows;
    const int palette = bits <= 8 ? 4 << bits : 0;
    std::string info = little(infoSize, 4) + little(width, 4) + little(height, 4) + little(1, 2) +
                       little(bits, 2) + little(compression, 4) + little(dataBytes, 4);
    if (infoSize == 12)
        info =
            little(12, 4) + little(width, 2) + little(height, 2) + little(1, 2) + little(bits, 2);
    info.resize(infoSize, '\0');
    return "BM" + little(0, 8) + little(14 + infoSize + palette, 4) + info +
           std::string(palette + dataBytes, '\x55');
}

// A WebP whose first chunk is of that type, with that start of its data; riffExtra more bytes
// promised by the RIFF size than the file holds.
std::string webp(const std::string& type, const std::string& data, int riffExtra = 0) {
    const std::string body = "WEBP" + type + little(data.size(), 4) + data;
    return "RIFF" + little(body.size() + riffExtra, 4) + body;
}
std::string vp8(int width, int height) {
    return std::string("\x30\x01\0\x9D\x01\x2A", 6) + little(width, 2) + little(height, 2) + "dd";
}
std::string vp8l(int width, int height) {
    return "\x2F" + little((width - 1) | (height - 1) << 14, 4) + "d";
}
std::string vp8x(int width, int height) {
    return std::string("\x10\0\0\0", 4) + little(width - 1, 3) + little(height - 1, 3);
}

// The decision on a file from memory, which must be the same through the stream reader.
PictureCheck check(const std::string& file) {
    const PictureCheck fromMemory =
        checkPicture(reinterpret_cast<const unsigned char*>(file.data()), file.size());
    std::size_t at = 0;
    StreamBytes stream(
        [&](unsigned char* buffer, std::size_t capacity) {
            const std::size_t count = std::min(capacity, file.size() - at);
            file.copy(reinterpret_cast<char*>(buffer), count, at);
            at += count;
            return count;
        },
        5);
    EXPECT_EQ(checkPicture(stream).format, fromMemory.format);
    return fromMemory;
}

const std::string jpeg = std::string("\xFF\xD8\xFF\xC0\0\x0B\x08\0\x10\0\x10\x01\x01\x11\0", 15) +
                         std::string("\xFF\xDA\0\x08\x01\x01\0\0\x3F\0\x12\xFF\xD9", 13);

}  // namespace

TEST(PictureCheck, ShowsTheFiveFormatsWithinTheCapAndToTheirEnd) {
    const struct {
        std::string file;
        Format format;
        const char* what;
    } rows[] = {
        {jpeg, Format::jpeg, "a JPEG, walked to its end marker"},
        {png(4096, 2048), Format::png, "PNG: 8 megapixels"},
        {png(4096, 2049), Format::refused, "PNG: a row over 8 megapixels"},
        {png(0xFFFFFFFF, 0xFFFFFFFF), Format::refused, "PNG: the largest size its header holds"},
        {png(0, 16), Format::refused, "PNG: no width"},
        {png(16, 16, 14), Format::refused, "PNG: an IHDR of the wrong length"},
        {png(16, 16) + "more", Format::png, "PNG: bytes after IEND"},
        {gif(4096, 2048, 0, 16, 16), Format::gif, "GIF: a logical screen of 8 megapixels"},
        {gif(4096, 2049, 0, 16, 16), Format::refused, "GIF: a logical screen over the cap"},
        {gif(16, 16, 0, 4096, 2049), Format::refused, "GIF: a first image over the cap"},
        {gif(4096, 2048, 1, 4096, 16), Format::refused, "GIF: the image placed past the screen"},
        {gif(16, 16, 0, 16, 16).replace(19, 1, "\x3B"), Format::refused,
         "GIF: a trailer, no image"},
        {gif(16, 16, 0, 16, 16).replace(19, 1, "\x99"), Format::refused, "GIF: an unknown block"},
        {bmp(4096, 2048, 1), Format::bmp, "BMP: 8 megapixels, one bit a pixel"},
        {bmp(4096, -2048, 1), Format::bmp, "BMP: 8 megapixels, stored from the top"},
        {bmp(4096, -2049, 1), Format::refused, "BMP: stored from the top, a row over the cap"},
        {bmp(-16, 16, 24, 0, 0), Format::refused, "BMP: a negative width"},
        {bmp(16, 16, 8, 1, 40), Format::bmp, "BMP: run-length encoded, 8 bits"},
        {bmp(16, 16, 4, 2, 0), Format::refused, "BMP: run-length encoded with no data"},
        {bmp(16, -16, 8, 1, 40), Format::refused, "BMP: run-length encoded from the top"},
        {bmp(16, 16, 24, 4, 40), Format::refused, "BMP: holding a JPEG"},
        {bmp(16, 16, 32, 3), Format::bmp, "BMP: bit fields"},
        {bmp(16, 16, 2), Format::refused, "BMP: two bits a pixel"},
        {bmp(16, 16, 24, 0, -1, 124), Format::bmp, "BMP: version 5 header"},
        {bmp(16, 16, 24, 0, -1, 12), Format::bmp, "BMP: OS/2 header"},
        {bmp(16, 16, 24, 0, -1, 20), Format::refused, "BMP: an unknown header size"},
        {bmp(16, 16).replace(10, 1, "\x20"), Format::refused, "BMP: pixels inside the header"},
        {webp("VP8 ", vp8(4096, 2048)), Format::webp, "WebP: lossy, 8 megapixels"},
        {webp("VP8 ", vp8(4096, 2049)), Format::refused, "WebP: lossy, over the cap"},
        {webp("VP8 ", vp8(16, 16).replace(3, 1, "\x9C")), Format::refused, "no VP8 start code"},
        {webp("VP8L", vp8l(4096, 2048)), Format::webp, "WebP: lossless, 8 megapixels"},
        {webp("VP8L", vp8l(4096, 2049)), Format::refused, "WebP: lossless, over the cap"},
        {webp("VP8L", "\x2E" + vp8l(16, 16).substr(1)), Format::refused, "no VP8L signature"},
        {webp("VP8X", vp8x(4096, 2048)), Format::webp, "WebP: extended, 8 megapixels"},
        {webp("VP8X", vp8x(1 << 24, 1 << 24)), Format::refused, "WebP: the largest canvas"},
        {webp("VP8X", vp8x(16, 16)) + "more", Format::webp, "WebP: bytes after its RIFF size"},
        {webp("VP8X", vp8x(16, 16), 2), Format::refused, "WebP: shorter than its RIFF size"},
        {webp("VP8X", vp8x(16, 16), -2), Format::refused, "WebP: a chunk past its RIFF size"},
        {webp("ALPH", vp8x(16, 16)), Format::refused, "WebP: no picture chunk first"},
    };
    for (const auto& row : rows) EXPECT_EQ(check(row.file).format, row.format) << row.what;
}

TEST(PictureCheck, RefusesEveryFileCutOffBeforeItsEnd) {
    const std::string files[] = {jpeg,
                                 png(16, 16),
                                 gif(16, 16, 0, 16, 16),
                                 bmp(16, -16, 1),
                                 bmp(16, 16, 4, 2, 8),
                                 webp("VP8 ", vp8(16, 16)),
                                 webp("VP8L", vp8l(16, 16)),
                                 webp("VP8X", vp8x(16, 16))};
    for (const std::string& file : files) {
        ASSERT_NE(check(file).format, Format::refused) << file.substr(0, 4);
        for (std::size_t size = 0; size < file.size(); ++size) {
            EXPECT_EQ(check(file.substr(0, size)).format, Format::refused)
                << file.substr(0, 4) << " cut to " << size << " bytes";
        }
    }
}

TEST(PictureCheck, RefusesEveryOtherFormat) {
    const struct {
        std::string start;
        const char* what;
    } rows[] = {
        {"II*\0", "TIFF, little-endian"},
        {"MM\0*", "TIFF, big-endian"},
        {"P6\n16 16\n255\n", "PPM"},
        {"P5\n16 16\n255\n", "PGM"},
        {"P4\n16 16\n", "PBM"},
        {"/* XPM */\nstatic char", "XPM"},
        {"#define i_width 16\n", "XBM"},
        {std::string("\0\0\1\0\1\0\x10\x10", 8), "ICO"},
        {std::string("\0\0\2\0\1\0\x10\x10", 8), "CUR"},
        {std::string("\0\0\0\x1C", 4) + "ftypavif", "AVIF"},
        {std::string("\0\0\0\x18", 4) + "ftypheic", "HEIC"},
        {"<svg xmlns=\"http://www.w3.org/2000/svg\"/>", "SVG"},
        {"<?xml version=\"1.0\"?><svg/>", "SVG with an XML declaration"},
        {"\xD7\xCD\xC6\x9A", "WMF"},
        {std::string("\1\0\0\0\x6C\0\0\0", 8), "EMF"},
        {std::string("\0\0\x02\0\0\0\0\0\0\0\0\0\x10\0\x10\0\x18\0", 18), "TGA"},
        {std::string("\0\0\0\x0CjP  \r\n\x87\n", 12), "JPEG 2000"},
        {"\xFF\x4F\xFF\x51", "a JPEG 2000 codestream"},
        {"RIFF\x10\0\0\0WAVEfmt ", "RIFF that is no WebP"},
        {"GIF88a", "GIF of an unknown version"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(check(row.start + std::string(64, '\0')).format, Format::refused) << row.what;
    }
}
