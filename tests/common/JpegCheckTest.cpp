// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "JpegCheck.h"
#include "StreamBytes.h"

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

// The check of a file from memory, which must be the same through the stream reader at the
// given block size and at its default of 64 KiB.
JpegCheck check(const std::string& file, std::size_t blockSize = 7) {
    const JpegCheck fromMemory =
        checkJpeg(reinterpret_cast<const unsigned char*>(file.data()), file.size());
    for (const std::size_t size : {blockSize, std::size_t{64 * 1024}}) {
        std::size_t at = 0;
        StreamBytes stream(
            [&](unsigned char* buffer, std::size_t capacity) {
                const std::size_t count = std::min(capacity, file.size() - at);
                file.copy(reinterpret_cast<char*>(buffer), count, at);
                at += count;
                return count;
            },
            size);
        const JpegCheck fromStream = checkJpeg(stream);
        EXPECT_EQ(fromStream.rejected, fromMemory.rejected);
        EXPECT_EQ(fromStream.orientation, fromMemory.orientation);
        EXPECT_EQ(fromStream.description, fromMemory.description);
    }
    return fromMemory;
}

}  // namespace

TEST(JpegCheck, RefusesWhatIsCutOffMalformedOrOverTheMemoryRule) {
    const std::string small = frame(0xC0, 320, 240) + scan() + data;
    const std::string thumbnail = segment(0xE1, "Exif\0\0" + jpeg(frame(0xC0, 8, 8) + scan()));
    const struct {
        std::string file;
        bool rejected;
        const char* what;
    } rows[] = {
        {jpeg(small), false, "a baseline JPEG with a restart marker and a stuffed zero"},
        {jpeg(bytes({1, 2, 3}) + small), false, "stray bytes before the frame header"},
        {jpeg(bytes({0xFF, 0xFF}) + small + bytes({0xFF})), false, "fill bytes before markers"},
        {bytes({0xFF, 0xD8}) + thumbnail + small, true, "cut off, with a whole EXIF thumbnail"},
        {bytes({0xFF, 0xD8}) + frame(0xC2, 64, 64) + scan() + data + segment(0xC4, "t"), true,
         "progressive, cut off between two scans"},
        {jpeg(scan() + data), true, "no frame header"},
        {jpeg(frame(0xC0, 0, 240) + scan() + data), true, "no height"},
        {jpeg(frame(0xC0, 320, 240, "\x51") + scan() + data), true, "a sampling factor of 5"},
        {jpeg(frame(0xC0, 20000, 20000) + scan() + data), false, "20000 x 20000 baseline"},
        {jpeg(frame(0xC0, 32768, 32768) + scan() + data), false, "1/8 of it just fills 64 MiB"},
        {jpeg(frame(0xC0, 32776, 32768) + scan() + data), true, "1/8 of it is over 64 MiB"},
        {jpeg(frame(0xC2, 20000, 20000) + scan() + data), true, "20000 x 20000 progressive"},
        {jpeg(frame(0xC2, 10000, 10000) + scan() + data), false, "progressive grey, 191 MiB"},
        {jpeg(frame(0xC2, 12500, 12500) + scan() + data), true, "progressive grey, 298 MiB"},
        {jpeg(frame(0xC1, 9000, 9000, "\x22\x11\x11") + scan(3) + data), false,
         "9000 x 9000 sequential in colour, all components in its first scan"},
        {jpeg(frame(0xC1, 9000, 9000, "\x22\x11\x11") + scan(1) + data), true,
         "the same, but its first scan has only one of them: 232 MiB of coefficients"},
        {jpeg(frame(0xC2, 8000, 8000, "\x22\x11\x11") + scan(1) + data), false,
         "progressive 8000 x 8000 in colour, 4:2:0: 183 MiB"},
    };
    for (const auto& row : rows) EXPECT_EQ(check(row.file).rejected, row.rejected) << row.what;
}

TEST(JpegCheck, ReadsTheFirstExifOrientationGiven) {
    const std::string picture = frame(0xC0, 16, 16) + scan() + data;
    std::string cut = exif(6);
    cut.erase(cut.size() - 6);
    const struct {
        std::string header;
        int orientation;
    } rows[] = {
        {"", 1},
        {exif(6), 6},
        {exif(3, true), 3},
        {exif(8) + exif(2), 8},
        {exif(9), 1},
        {exif(0), 1},
        {segment(0xE1, "http://ns.adobe.com/xap/1.0/") + exif(5), 5},
        {segment(0xE1, cut.substr(4)), 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(check(jpeg(row.header + picture)).orientation, row.orientation)
            << row.header.size();
    }
}

TEST(JpegCheck, TakesTheFirstDescriptionCommentBeforeThePictureDataCutAtACharacter) {
    const std::string as(998, 'a');
    const std::string picture = frame(0xC0, 16, 16) + scan() + data;
    const struct {
        std::string header;
        std::string description;
    } rows[] = {
        {segment(0xE0, "JFIF") + segment(0xFE, "Description: Ilves\n  õues "), "Ilves õues"},
        {segment(0xFE, "Title: Ilves") + segment(0xFE, "Ilves magab: öö"), "Ilves magab: öö"},
        {segment(0xFE, "Description: Ilves \xC3") + segment(0xFE, "Ilves"), ""},  // bad: none
        {segment(0xFE, "Kaks\x01rida"), ""},
        {segment(0xFE, as + "õ"), as + "õ"},
        {segment(0xFE, as + "a õ"), as + "a"},
        {segment(0xFE, std::string(5000, 'b')), std::string(1000, 'b')},
        // A segment across the stream's 64 KiB block before the comment.
        {segment(0xE2, std::string(65000, 'x')) + segment(0xFE, "Ilves"), "Ilves"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(check(jpeg(row.header + picture), 4096).description, row.description)
            << row.header.substr(0, 40);
    }
    const std::string comment = segment(0xFE, "Ilves");
    EXPECT_EQ(check(jpeg(picture + comment)).description, "") << "after the picture data";
    EXPECT_TRUE(check(bytes({0xFF, 0xD8}) + comment.substr(0, 6)).rejected) << "cut off";
}
