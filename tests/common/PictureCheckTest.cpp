// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "NamedRows.h"
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

struct FormatRow {
    const char* what;
    std::string file;
    Format format;
};
// Of the formats that no port shows, the picture table plays those that some decoder reads.
const FormatRow formats[] = {
    {"a JPEG, walked to its end marker", jpeg, Format::jpeg},
    {"PNG: 8 megapixels", png(4096, 2048), Format::png},
    {"PNG: a row over 8 megapixels", png(4096, 2049), Format::refused},
    {"PNG: the largest size its header holds", png(0xFFFFFFFF, 0xFFFFFFFF), Format::refused},
    {"GIF: a logical screen of 8 megapixels", gif(4096, 2048, 0, 0, 16, 16), Format::gif},
    {"GIF: a logical screen over the cap", gif(4096, 2049, 0, 0, 16, 16), Format::refused},
    {"GIF: an image over the cap", gif(16, 16, 0, 0, 4096, 2049), Format::refused},
    {"GIF: an image placed right of the screen", gif(4096, 2048, 1, 0, 4096, 16), Format::refused},
    {"GIF: an image placed below the screen", gif(4096, 2048, 0, 1, 16, 2048), Format::refused},
    {"GIF: no image", gif(16, 16, 0, 0, 16, 16).replace(19, 1, "\x3B"), Format::refused},
    {"GIF: an unknown block", gif(16, 16, 0, 0, 16, 16).replace(19, 1, "\x99"), Format::refused},
    {"BMP: 8 megapixels, one bit a pixel", bmp(4096, 2048, 1), Format::bmp},
    {"BMP: 8 megapixels, stored from the top", bmp(4096, -2048, 1), Format::bmp},
    {"BMP: stored from the top, a row over the cap", bmp(4096, -2049, 1), Format::refused},
    {"BMP: a negative width", bmp(-16, 16, 24, 0, 0), Format::refused},
    {"BMP: the largest size it holds", bmp(INT32_MAX, INT32_MIN, 32, 0, 0), Format::refused},
    {"BMP: run-length encoded, 8 bits", bmp(16, 16, 8, 1, 40), Format::bmp},
    {"BMP: run-length encoded with no data", bmp(16, 16, 4, 2, 0), Format::refused},
    {"BMP: run-length encoded from the top", bmp(16, -16, 8, 1, 40), Format::refused},
    {"BMP: holding a JPEG", bmp(16, 16, 24, 4, 40), Format::refused},
    {"BMP: bit fields", bmp(16, 16, 32, 3), Format::bmp},
    {"BMP: two bits a pixel", bmp(16, 16, 2), Format::refused},
    {"BMP: version 5 header", bmp(16, 16, 24, 0, -1, 124), Format::bmp},
    {"BMP: OS/2 header", bmp(16, 16, 24, 0, -1, 12), Format::bmp},
    {"BMP: an unknown header size", bmp(16, 16, 24, 0, -1, 20), Format::refused},
    {"BMP: pixels inside the header", bmp(16, 16).replace(10, 1, "\x20"), Format::refused},
    {"WebP: lossy, 8 megapixels", webp("VP8 ", 4096, 2048), Format::webp},
    {"WebP: lossy, over the cap", webp("VP8 ", 2897, 2896), Format::refused},
    {"WebP: lossy, scaling bits", webp("VP8 ", 0xC000 | 2000, 0x4000 | 2000), Format::webp},
    {"no VP8 start code", webp("VP8 ", 16, 16).replace(23, 1, "\x9C"), Format::refused},
    {"WebP: lossless, 8 megapixels", webp("VP8L", 4096, 2048), Format::webp},
    {"WebP: lossless, over the cap", webp("VP8L", 2897, 2896), Format::refused},
    {"no VP8L signature", webp("VP8L", 16, 16).replace(20, 1, "\x2E"), Format::refused},
    {"WebP: extended, 8 megapixels", webp("VP8X", 4096, 2048), Format::webp},
    {"WebP: extended, over the cap", webp("VP8X", 2897, 2896), Format::refused},
    {"WebP: bytes after its RIFF size", webp("VP8X", 16, 16) + "more", Format::webp},
    {"WebP: shorter than its RIFF size", webp("VP8X", 16, 16, 2), Format::refused},
    {"WebP: a chunk past its RIFF size", webp("VP8X", 16, 16, -2), Format::refused},
    {"WebP: no picture chunk first", webp("ALPH", 16, 16), Format::refused},
    {"SVG", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>", Format::refused},
    {"RIFF that is no WebP", webp("VP8 ", 16, 16).replace(8, 4, "WAVE"), Format::refused},
    {"GIF of an unknown version", "GIF88a", Format::refused},
};
class FormatOf : public testing::TestWithParam<FormatRow> {};

struct WholeRow {
    const char* what;
    std::string file;
};
const WholeRow wholeFiles[] = {
    {"JPEG", jpeg},
    {"PNG", png(16, 16)},
    {"GIF", gif(16, 16, 0, 0, 16, 16)},
    {"BMP from the top", bmp(16, -16, 1)},
    {"BMP run-length encoded", bmp(16, 16, 4, 2, 8)},
    {"WebP lossy", webp("VP8 ", 16, 16)},
    {"WebP lossless", webp("VP8L", 16, 16)},
    {"WebP extended", webp("VP8X", 16, 16)},
};
class CutOff : public testing::TestWithParam<WholeRow> {};

}  // namespace

TEST_P(FormatOf, AFileIsShownWithinTheCapAndRefusedOtherwise) {
    EXPECT_EQ(check(GetParam().file), GetParam().format);
}
INSTANTIATE_TEST_SUITE_P(PictureCheck, FormatOf, testing::ValuesIn(formats), NamedRows());

TEST_P(CutOff, IsRefusedAtEverySizeBeforeItsEnd) {
    const std::string& file = GetParam().file;
    ASSERT_NE(check(file), Format::refused);
    for (std::size_t size = 0; size < file.size(); ++size)
        EXPECT_EQ(check(file.substr(0, size)), Format::refused) << size << " bytes";
}
INSTANTIATE_TEST_SUITE_P(PictureCheck, CutOff, testing::ValuesIn(wholeFiles), NamedRows());
