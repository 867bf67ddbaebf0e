#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "PictureLoader.h"
#include "RunTimeError.h"

namespace {

const QSize areaSize(488, 376);

// The picture loader reads bare names from the current directory: each test works in its own.
class PictureLimitsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

void writeEightBitBmp(const char* name, int side) {
    QImage image(side, side, QImage::Format_Indexed8);
    image.setColorCount(256);
    for (int i = 0; i < 256; ++i) image.setColor(i, qRgb(i, 255 - i, 128));
    image.fill(7);
    ASSERT_TRUE(image.save(QString::fromUtf8(name), "BMP"));
}

// A grey square JPEG of side x side pixels (side a multiple of 16) that costs two bits per 8 x 8
// block: one-bit Huffman codes for "DC difference 0" and "end of block".
void writeGreyJpeg(const char* name, int side) {
    QByteArray data("\xff\xd8", 2);
    data += QByteArray("\xff\xdb\x00\x43\x00", 5) + QByteArray(64, '\x01');
    const char high = static_cast<char>(side >> 8);
    const char low = static_cast<char>(side & 0xff);
    data += QByteArray("\xff\xc0\x00\x0b\x08", 5);
    for (const char byte : {high, low, high, low}) data += byte;
    data += QByteArray("\x01\x01\x11\x00", 4);
    for (const char tableClass : {'\x00', '\x10'}) {
        data += QByteArray("\xff\xc4\x00\x14", 4);
        data += tableClass;
        data += '\x01';
        data += QByteArray(16, '\x00');  // no codes of length 2 to 16, then the one symbol 0
    }
    data += QByteArray("\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00", 10);
    const qint64 blocks = static_cast<qint64>(side / 8) * (side / 8);
    data += QByteArray(static_cast<qsizetype>(blocks * 2 / 8), '\x00');
    data += QByteArray("\xff\xd9", 2);
    QFile file(QString::fromUtf8(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(data), data.size());
}

int errorNumber(const char* name) {
    try {
        loadPicture(name, areaSize);
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.fileName, name);
        return error.number;
    }
    return 0;
}

}  // namespace

// An 8-bit picture under a .jpg name decodes at full size and is smoothed through a 32-bit copy;
// the pixel cap refuses it before either exists.
TEST_F(PictureLimitsTest, FullSizeFormatsStopAtThePixelCap) {
    const int largestSide = 2896;  // 2896 * 2896 is just below 8 Mi pixels
    ASSERT_LE(static_cast<qint64>(largestSide) * largestSide, maxFullSizePixels);
    ASSERT_GT(static_cast<qint64>(largestSide + 1) * (largestSide + 1), maxFullSizePixels);

    writeEightBitBmp("4vv.jpg", largestSide);
    const QImage shown = loadPicture("4vv.jpg", areaSize);
    EXPECT_EQ(shown.size(), areaSize);
    EXPECT_EQ(shown.pixel(10, 10), qRgb(7, 248, 128));

    writeEightBitBmp("5vv.jpg", largestSide + 1);
    EXPECT_EQ(errorNumber("5vv.jpg"), 481);
}

// A JPEG decodes at 1/8 of its size; one whose reduced image still passes the allocation limit
// is refused before decoding, as is one beyond the JPEG format's own limit.
TEST_F(PictureLimitsTest, JpegsBeyondTheAllocationLimitAreRefused) {
    writeGreyJpeg("3.jpg", 36000);  // 4500 x 4500 x 4 bytes at 1/8
    EXPECT_EQ(errorNumber("3.jpg"), 481);
    writeGreyJpeg("4.jpg", 65520);
    EXPECT_EQ(errorNumber("4.jpg"), 481);
}

TEST_F(PictureLimitsTest, AHandMadeGreyJpegIsAPicture) {
    writeGreyJpeg("1.jpg", 32);
    const QImage shown = loadPicture("1.jpg", areaSize);
    ASSERT_EQ(shown.size(), areaSize);
    EXPECT_EQ(qGray(shown.pixel(100, 100)), 128);
}

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
