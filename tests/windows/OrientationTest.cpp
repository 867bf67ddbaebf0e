#include <gtest/gtest.h>

#include <string>

#include "Orientation.h"

namespace {

// A picture whose pixels are letters, rows split by '/': "abc/def" is 3 wide and 2 high.
Pixels picture(const std::string& rows) {
    Pixels result;
    for (const char letter : rows) {
        if (letter == '/') {
            ++result.height;
            continue;
        }
        result.bgrx.insert(result.bgrx.end(), {static_cast<unsigned char>(letter), 0, 0, 0});
    }
    ++result.height;
    result.width = static_cast<int>(result.bgrx.size() / 4) / result.height;
    return result;
}

std::string letters(const Pixels& pixels) {
    std::string rows;
    for (int y = 0; y < pixels.height; ++y) {
        if (y > 0) rows += '/';
        for (int x = 0; x < pixels.width; ++x) {
            rows += static_cast<char>(pixels.bgrx[(y * pixels.width + x) * 4]);
        }
    }
    return rows;
}

}  // namespace

// How a camera stores the picture "abc/def" under each EXIF orientation; every one must come
// out upright.
TEST(Orientation, EveryStoredFormComesOutUpright) {
    const char* const stored[] = {"abc/def",  "cba/fed",  "fed/cba",  "def/abc",
                                  "ad/be/cf", "cf/be/ad", "fc/eb/da", "da/eb/fc"};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const Pixels upright = uprightPixels(picture(stored[orientation - 1]), orientation);
        EXPECT_EQ(letters(upright), "abc/def") << "orientation " << orientation;
        EXPECT_EQ(upright.width, 3) << "orientation " << orientation;
    }
}

TEST(Orientation, UnknownValuesLeaveThePictureAsStored) {
    for (const int orientation : {0, 9, -1}) {
        EXPECT_EQ(letters(uprightPixels(picture("ad/be/cf"), orientation)), "ad/be/cf");
    }
}
