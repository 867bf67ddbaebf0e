// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "JpegCheck.h"
#include "NamedRows.h"

// The walk every port runs on a picture file before decoding it: which JPEGs it refuses, and the
// orientation it reads on the way.

namespace {

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

// The check of a file; the fuzz target checks that the stream reader Qt uses decides alike.
JpegCheck check(const std::string& file) {
    return checkJpeg(reinterpret_cast<const unsigned char*>(file.data()), file.size());
}

struct RefusalRow {
    const char* what;
    std::string file;
    bool rejected;
};
// The picture table plays the larger and the cut-off files on every port; these are the rest.
const std::string small = frame(0xC0, 320, 240) + scan() + data;
const RefusalRow refusals[] = {
    {"a baseline JPEG with a restart marker and a stuffed zero", jpeg(small), false},
    {"stray bytes before the frame header", jpeg(bytes({1, 2, 3}) + small), false},
    {"fill bytes before markers", jpeg(bytes({0xFF, 0xFF}) + small + bytes({0xFF})), false},
    {"no frame header", jpeg(scan() + data), true},
    {"no height", jpeg(frame(0xC0, 0, 240) + scan() + data), true},
    {"a sampling factor of 5", jpeg(frame(0xC0, 320, 240, "\x51") + scan() + data), true},
    {"an eighth of it just fills 64 MiB", jpeg(frame(0xC0, 32768, 32768) + scan() + data), false},
    {"an eighth of it is over 64 MiB", jpeg(frame(0xC0, 32776, 32768) + scan() + data), true},
    {"9000 x 9000 sequential, every component in its first scan",
     jpeg(frame(0xC1, 9000, 9000, "\x22\x11\x11") + scan(3) + data), false},
    {"9000 x 9000 sequential, one in its first scan: 232 MiB",
     jpeg(frame(0xC1, 9000, 9000, "\x22\x11\x11") + scan(1) + data), true},
    {"progressive 8000 x 8000 in colour, 4:2:0: 183 MiB",
     jpeg(frame(0xC2, 8000, 8000, "\x22\x11\x11") + scan(1) + data), false},
};
class Refusal : public testing::TestWithParam<RefusalRow> {};

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

TEST_P(Refusal, OfWhatIsCutOffMalformedOrOverTheMemoryRule) {
    EXPECT_EQ(check(GetParam().file).rejected, GetParam().rejected);
}
INSTANTIATE_TEST_SUITE_P(JpegCheck, Refusal, testing::ValuesIn(refusals), NamedRows());

TEST_P(Orientation, IsTheFirstExifOneGiven) {
    const std::string picture = frame(0xC0, 16, 16) + scan() + data;
    EXPECT_EQ(check(jpeg(GetParam().header + picture)).orientation, GetParam().orientation);
}
INSTANTIATE_TEST_SUITE_P(JpegCheck, Orientation, testing::ValuesIn(orientations), NamedRows());

TEST_P(Description, IsTheFirstCommentBeforeThePictureDataCutAtACharacter) {
    const std::string picture = frame(0xC0, 16, 16) + scan() + data;
    EXPECT_EQ(check(jpeg(GetParam().header + picture)).description, GetParam().description);
}
INSTANTIATE_TEST_SUITE_P(JpegCheck, Description, testing::ValuesIn(descriptions), NamedRows());

TEST(JpegCheck, TakesNoCommentAfterThePictureDataNorFromAFileCutOff) {
    EXPECT_EQ(check(jpeg(frame(0xC0, 16, 16) + scan() + data + comment)).description, "");
    EXPECT_TRUE(check(bytes({0xFF, 0xD8}) + comment.substr(0, 6)).rejected);
}
