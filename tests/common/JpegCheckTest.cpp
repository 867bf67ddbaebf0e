#include <gtest/gtest.h>

#include <string>

#include "JpegCheck.h"

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

JpegCheck check(const std::string& file) {
    return checkJpeg(reinterpret_cast<const unsigned char*>(file.data()), file.size());
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
        {bytes({0xFF, 0xD8}) + small, true, "cut off in its picture data"},
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
    EXPECT_FALSE(check("\x89PNG\r\n\x1a\n").isJpeg);
    EXPECT_FALSE(check("\x89PNG\r\n\x1a\n").rejected);
}

TEST(JpegCheck, CountsTheMemoryOfBuffersHeldForTheWholePicture) {
    const auto workingBytes = [](const std::string& header) {
        return check(jpeg(header + data)).workingBytes;
    };
    EXPECT_EQ(workingBytes(frame(0xC0, 20000, 20000) + scan()), 2500LL * 2500 * 4);
    EXPECT_EQ(workingBytes(frame(0xC2, 10000, 10000) + scan()), 1250LL * 1250 * (4 + 128));
    // 4:2:0 colour: the luma's blocks padded to whole 2 x 2 units, the chroma's a quarter.
    EXPECT_EQ(workingBytes(frame(0xC2, 100, 100, "\x22\x11\x11") + scan()),
              13LL * 13 * 4 + (14 * 14 + 2 * 7 * 7) * 128);
}

TEST(JpegCheck, ReadsTheExifOrientationOfTheFirstExifSegment) {
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
