// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "PictureCheck.h"

// The decision every port makes on a picture file before it decodes it.

namespace {

using namespace std::string_literals;
using Format = PictureFormat;

std::string number(std::int64_t value, int bytes, bool bigEndian = false) {
    std::string text;
    for (int i = 0; i < bytes; ++i) text += char(value >> 8 * (bigEndian ? bytes - 1 - i : i));
    return text;
}

std::string png(std::int64_t width, std::int64_t height) {
    return "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR"s + number(width, 4, true) + number(height, 4, true) +
           "\x08\x02\0\0\0CRC!\0\0\0\x04IDATdataCRC!\0\0\0\0IENDCRC!"s;
}

// A GIF with a global colour table, a graphic control extension and one image.
std::string gif(int width, int height, int left, int top, int imageWidth, int imageHeight) {
    return "GIF89a" + number(width, 2) + number(height, 2) + "\x80\0\0\x7F\x7F\x7F\x7F\x7F\x7F"s +
           "\x21\xF9\x04\0\0\0\0\0\x2C"s + number(left, 2) + number(top, 2) +
           number(imageWidth, 2) + number(imageHeight, 2) + "\0\x02\x02\x4C\x01\0\x3B"s;
}

// A BMP with dataBytes of pixels, by default as many as its rows need; OS/2's header has 12 bytes.
std::string bmp(std::int32_t width, std::int32_t height, int bits = 24, int compression = 0,
                std::int64_t dataBytes = -1, int infoSize = 40) {
    if (dataBytes < 0)
        dataBytes = (width * bits + 31) / 32 * 4 * (height < 0 ? -std::int64_t{height} : height);
    const int sizeBytes = infoSize == 12 ? 2 : 4, palette = bits <= 8 ? 4 << bits : 0;
    std::string info = number(infoSize, 4) + number(width, sizeBytes) + number(height, sizeBytes) +
                       number(1, 2) + number(bits, 2) + number(compression, 4) +
                       number(dataBytes, 4);
    info.resize(infoSize, '\0');
    return "BM" + number(0, 8) + number(14 + infoSize + palette, 4) + info +
           std::string(palette + dataBytes, '\x55');
}

// A WebP whose first chunk is of that type; its RIFF size promises riffExtra bytes more.
std::string webp(const std::string& type, int width, int height, int riffExtra = 0) {
    const std::string data =
        type == "VP8 "   ? "\x30\x01\0\x9D\x01\x2A"s + number(width, 2) + number(height, 2) + "dd"
        : type == "VP8L" ? "\x2F" + number((width - 1) | (height - 1) << 14, 4) + "d"
                         : "\x10\0\0\0"s + number(width - 1, 3) + number(height - 1, 3);
    const std::string body = "WEBP" + type + number(data.size(), 4) + data;
    return "RIFF" + number(body.size() + riffExtra, 4) + body;
}

// The decision on a file; the fuzz target checks that the stream reader Qt uses decides alike.
Format check(const std::string& file) {
    return checkPicture(reinterpret_cast<const unsigned char*>(file.data()), file.size()).format;
}

const std::string jpeg = "\xFF\xD8\xFF\xC0\0\x0B\x08\0\x10\0\x10\x01\x01\x11\0"s +
                         "\xFF\xDA\0\x08\x01\x01\0\0\x3F\0\x12\xFF\xD9"s;

}  // namespace

TEST(PictureCheck, ShowsTheFiveFormatsWithinTheCapAndRefusesAllElse) {
    const struct {
        std::string file;
        Format format;
        const char* what;
    } rows[] = {
        {jpeg, Format::jpeg, "a JPEG, walked to its end marker"},
        {png(4096, 2048), Format::png, "PNG: 8 megapixels"},
        {png(4096, 2049), Format::refused, "PNG: a row over 8 megapixels"},
        {png(0xFFFFFFFF, 0xFFFFFFFF), Format::refused, "PNG: the largest size its header holds"},
        {gif(4096, 2048, 0, 0, 16, 16), Format::gif, "GIF: a logical screen of 8 megapixels"},
        {gif(4096, 2049, 0, 0, 16, 16), Format::refused, "GIF: a logical screen over the cap"},
        {gif(16, 16, 0, 0, 4096, 2049), Format::refused, "GIF: an image over the cap"},
        {gif(4096, 2048, 1, 0, 4096, 16), Format::refused,
         "GIF: an image placed right of the screen"},
        {gif(4096, 2048, 0, 1, 16, 2048), Format::refused, "GIF: an image placed below the screen"},
        {gif(16, 16, 0, 0, 16, 16).replace(19, 1, "\x3B"), Format::refused, "GIF: no image"},
        {gif(16, 16, 0, 0, 16, 16).replace(19, 1, "\x99"), Format::refused,
         "GIF: an unknown block"},
        {bmp(4096, 2048, 1), Format::bmp, "BMP: 8 megapixels, one bit a pixel"},
        {bmp(4096, -2048, 1), Format::bmp, "BMP: 8 megapixels, stored from the top"},
        {bmp(4096, -2049, 1), Format::refused, "BMP: stored from the top, a row over the cap"},
        {bmp(-16, 16, 24, 0, 0), Format::refused, "BMP: a negative width"},
        {bmp(INT32_MAX, INT32_MIN, 32, 0, 0), Format::refused, "BMP: the largest size it holds"},
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
        {webp("VP8 ", 4096, 2048), Format::webp, "WebP: lossy, 8 megapixels"},
        {webp("VP8 ", 2897, 2896), Format::refused, "WebP: lossy, over the cap"},
        {webp("VP8 ", 0xC000 | 2000, 0x4000 | 2000), Format::webp, "WebP: lossy, scaling bits"},
        {webp("VP8 ", 16, 16).replace(23, 1, "\x9C"), Format::refused, "no VP8 start code"},
        {webp("VP8L", 4096, 2048), Format::webp, "WebP: lossless, 8 megapixels"},
        {webp("VP8L", 2897, 2896), Format::refused, "WebP: lossless, over the cap"},
        {webp("VP8L", 16, 16).replace(20, 1, "\x2E"), Format::refused, "no VP8L signature"},
        {webp("VP8X", 4096, 2048), Format::webp, "WebP: extended, 8 megapixels"},
        {webp("VP8X", 2897, 2896), Format::refused, "WebP: extended, over the cap"},
        {webp("VP8X", 16, 16) + "more", Format::webp, "WebP: bytes after its RIFF size"},
        {webp("VP8X", 16, 16, 2), Format::refused, "WebP: shorter than its RIFF size"},
        {webp("VP8X", 16, 16, -2), Format::refused, "WebP: a chunk past its RIFF size"},
        {webp("ALPH", 16, 16), Format::refused, "WebP: no picture chunk first"},
        {"II*\0"s, Format::refused, "TIFF"},
        {"P6\n16 16\n255\n", Format::refused, "PPM"},
        {"P5\n16 16\n255\n", Format::refused, "PGM"},
        {"P4\n16 16\n", Format::refused, "PBM"},
        {"/* XPM */\nstatic char", Format::refused, "XPM"},
        {"\0\0\1\0\1\0\x10\x10"s, Format::refused, "ICO"},
        {"\0\0\0\x1C"s + "ftypavif", Format::refused, "AVIF"},
        {"\0\0\0\x18"s + "ftypheic", Format::refused, "HEIC"},
        {"<svg xmlns=\"http://www.w3.org/2000/svg\"/>", Format::refused, "SVG"},
        {"\xD7\xCD\xC6\x9A", Format::refused, "WMF"},
        {"\0\0\x02\0\0\0\0\0\0\0\0\0\x10\0\x10\0\x18\0"s, Format::refused, "TGA"},
        {"\0\0\0\x0CjP  \r\n\x87\n"s, Format::refused, "JPEG 2000"},
        {webp("VP8 ", 16, 16).replace(8, 4, "WAVE"), Format::refused, "RIFF that is no WebP"},
        {"GIF88a", Format::refused, "GIF of an unknown version"},
    };
    for (const auto& row : rows) EXPECT_EQ(check(row.file), row.format) << row.what;
}

TEST(PictureCheck, RefusesEveryFileCutOffBeforeItsEnd) {
    for (const std::string& file :
         {jpeg, png(16, 16), gif(16, 16, 0, 0, 16, 16), bmp(16, -16, 1), bmp(16, 16, 4, 2, 8),
          webp("VP8 ", 16, 16), webp("VP8L", 16, 16), webp("VP8X", 16, 16)}) {
        ASSERT_NE(check(file), Format::refused) << file.substr(0, 4);
        for (std::size_t size = 0; size < file.size(); ++size)
            EXPECT_EQ(check(file.substr(0, size)), Format::refused) << file.substr(0, 4) << size;
    }
}
