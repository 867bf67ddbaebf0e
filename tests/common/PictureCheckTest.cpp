// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "NamedRows.h"
#include "PictureCheck.h"

// The decision every port makes on a picture file before decoding it: its format or refusal, and a
// JPEG's orientation and description.
namespace {

using namespace std::string_literals;
using Format = PictureFormat;

std::string segment(int marker, const std::string& payload) {
    const std::size_t length = payload.size() + 2;
    return std::string{'\xFF', char(marker), char(length >> 8), char(length)} + payload;
}

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (const int value : values) text.push_back(static_cast<char>(value));
    return text;
}

// A frame header of the given kind and size; each component is its sampling byte.
std::string frame(int marker, int width, int height, const std::string& sampling = "\x11") {
    std::string payload =
        bytes({8, height >> 8, height & 0xFF, width >> 8, width & 0xFF}) + char(sampling.size());
    for (std::size_t i = 0; i < sampling.size(); ++i)
        payload += bytes({int(i) + 1}) + sampling[i] + '\0';
    return segment(marker, payload);
}

std::string scan(int components = 1) {
    std::string payload(1, char(components));
    for (int i = 0; i < components; ++i) payload += bytes({i + 1, 0});
    return segment(0xDA, payload + bytes({0, 63, 0}));
}

const std::string data = bytes({0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD0, 0x56});  // stuffed, restart
const std::string end = bytes({0xFF, 0xD9});

std::string jpeg(const std::string& middle) {
    return bytes({0xFF, 0xD8}) + middle + end;
}

// An APP1 segment whose EXIF data carries an orientation, in either byte order.
std::string exif(int orientation, bool littleEndian = false) {
    const std::string tiff = littleEndian
                                 ? bytes({'I', 'I', 42, 0, 8, 0, 0, 0,           1, 0, 0x12,
                                          1,   3,   0,  1, 0, 0, 0, orientation, 0, 0, 0})
                                 : bytes({'M',  'M', 0, 42, 0, 0, 0, 8, 0,           1, 1,
                                          0x12, 0,   3, 0,  0, 0, 1, 0, orientation, 0, 0});
    return segment(0xE1, std::string("Exif\0\0", 6) + tiff);
}

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
PictureCheck check(const std::string& file) {
    return checkPicture(reinterpret_cast<const unsigned char*>(file.data()), file.size());
}

struct FormatRow {
    const char* what;
    std::string file;
    Format format;
};
// A picture's frame header, scan and data, as every JPEG row has them.
const std::string small = frame(0xC0, 320, 240) + scan() + data;
// The picture table plays the larger and cut-off JPEGs and the formats some decoder reads on every
// port; these are the rest.
const FormatRow formats[] = {
    {"JPEG: baseline, with a restart marker and a stuffed zero", jpeg(small), Format::jpeg},
    {"JPEG: stray bytes before the frame header", jpeg(bytes({1, 2, 3}) + small), Format::jpeg},
    {"JPEG: fill bytes before markers", jpeg(bytes({0xFF, 0xFF}) + small + bytes({0xFF})),
     Format::jpeg},
    {"JPEG: no frame header", jpeg(scan() + data), Format::refused},
    {"JPEG: no height", jpeg(frame(0xC0, 0, 240) + scan() + data), Format::refused},
    {"JPEG: a sampling factor of 5", jpeg(frame(0xC0, 320, 240, "\x51") + scan() + data),
     Format::refused},
    {"JPEG: an eighth of it just fills 64 MiB", jpeg(frame(0xC0, 32768, 32768) + scan() + data),
     Format::jpeg},
    {"JPEG: an eighth of it is over 64 MiB", jpeg(frame(0xC0, 32776, 32768) + scan() + data),
     Format::refused},
    {"JPEG: 9000 x 9000 sequential, every component in its first scan",
     jpeg(frame(0xC1, 9000, 9000, "\x22\x11\x11") + scan(3) + data), Format::jpeg},
    {"JPEG: 9000 x 9000 sequential, one in its first scan: 232 MiB",
     jpeg(frame(0xC1, 9000, 9000, "\x22\x11\x11") + scan(1) + data), Format::refused},
    {"JPEG: progressive 8000 x 8000 in colour, 4:2:0: 183 MiB",
     jpeg(frame(0xC2, 8000, 8000, "\x22\x11\x11") + scan(1) + data), Format::jpeg},
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
    {"JPEG", jpeg(small)},
    {"PNG", png(16, 16)},
    {"GIF", gif(16, 16, 0, 0, 16, 16)},
    {"BMP from the top", bmp(16, -16, 1)},
    {"BMP run-length encoded", bmp(16, 16, 4, 2, 8)},
    {"WebP lossy", webp("VP8 ", 16, 16)},
    {"WebP lossless", webp("VP8L", 16, 16)},
    {"WebP extended", webp("VP8X", 16, 16)},
};
class CutOff : public testing::TestWithParam<WholeRow> {};

struct OrientationRow {
    const char* what;
    std::string header;
    int orientation;
};
const std::string cutExif = exif(6).substr(4, exif(6).size() - 10);
const OrientationRow orientations[] = {
    {"none", "", 1},
    {"big-endian", exif(6), 6},
    {"little-endian", exif(3, true), 3},
    {"the first of two", exif(8) + exif(2), 8},
    {"out of range", exif(9), 1},
    {"zero", exif(0), 1},
    {"after XMP", segment(0xE1, "http://ns.adobe.com/xap/1.0/") + exif(5), 5},
    {"cut off", segment(0xE1, cutExif), 1},
};
class Orientation : public testing::TestWithParam<OrientationRow> {};

struct DescriptionRow {
    const char* what;
    std::string header;
    std::string description;
};
const std::string as(998, 'a');
const std::string comment = segment(0xFE, "Ilves");
const DescriptionRow descriptions[] = {
    {"labelled, spaces folded",
     segment(0xE0, "JFIF") + segment(0xFE, "Description: Ilves\n  õues "), "Ilves õues"},
    {"another label skipped", segment(0xFE, "Title: Ilves") + segment(0xFE, "Ilves magab: öö"),
     "Ilves magab: öö"},
    {"bad UTF-8: none at all", segment(0xFE, "Description: Ilves \xC3") + comment, ""},
    {"a control character: none", segment(0xFE, "Kaks\x01rida"), ""},
    {"a letter ending at 1000 bytes", segment(0xFE, as + "õ"), as + "õ"},
    {"a letter across 1000 bytes", segment(0xFE, as + "a õ"), as + "a"},
    {"5000 bytes", segment(0xFE, std::string(5000, 'b')), std::string(1000, 'b')},
    {"after a segment of 65000 bytes", segment(0xE2, std::string(65000, 'x')) + comment, "Ilves"},
};
class Description : public testing::TestWithParam<DescriptionRow> {};

}  // namespace

TEST_P(FormatOf, AFileIsShownWithinTheCapAndRefusedOtherwise) {
    EXPECT_EQ(check(GetParam().file).format, GetParam().format);
}
INSTANTIATE_TEST_SUITE_P(PictureCheck, FormatOf, testing::ValuesIn(formats), NamedRows());

TEST_P(CutOff, IsRefusedAtEverySizeBeforeItsEnd) {
    const std::string& file = GetParam().file;
    ASSERT_NE(check(file).format, Format::refused);
    for (std::size_t size = 0; size < file.size(); ++size)
        EXPECT_EQ(check(file.substr(0, size)).format, Format::refused) << size << " bytes";
}
INSTANTIATE_TEST_SUITE_P(PictureCheck, CutOff, testing::ValuesIn(wholeFiles), NamedRows());

TEST_P(Orientation, IsTheFirstExifOneGiven) {
    EXPECT_EQ(check(jpeg(GetParam().header + small)).orientation, GetParam().orientation);
}
INSTANTIATE_TEST_SUITE_P(PictureCheck, Orientation, testing::ValuesIn(orientations), NamedRows());

TEST_P(Description, IsTheFirstCommentBeforeThePictureDataCutAtACharacter) {
    EXPECT_EQ(check(jpeg(GetParam().header + small)).description, GetParam().description);
}
INSTANTIATE_TEST_SUITE_P(PictureCheck, Description, testing::ValuesIn(descriptions), NamedRows());

TEST(PictureCheck, TakesNoCommentAfterThePictureDataNorFromAFileCutOff) {
    EXPECT_EQ(check(jpeg(small + comment)).description, "");
    EXPECT_EQ(check(bytes({0xFF, 0xD8}) + comment.substr(0, 6)).format, Format::refused);
}
