#include <sys/stat.h>

#include <QBuffer>
#include <QDateTime>
#include <QThread>
#include <cstdio>

#include "PicturePrefetch.h"
#include "QtTestSupport.h"

namespace {

const QColor red(200, 0, 0);   // the colour of 1.jpg
const QColor blue(0, 0, 200);  // the colour of 3.jpg

QByteArray solid(QColor colour, const char* format = "JPEG", int side = 64) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// Writes a file; a settled one looks as if it had last been written an hour ago.
void writeFile(const QString& name, const QByteArray& bytes, bool settled = false) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
    ASSERT_TRUE(file.flush());
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    ASSERT_TRUE(!settled || file.setFileTime(hourAgo, QFileDevice::FileModificationTime));
}

// A grey square JPEG of any side (a multiple of 16) in two bits per 8 x 8 block: one-bit
// Huffman codes for "no change of DC" and "end of block".
QByteArray greyJpeg(int side) {
    QByteArray data = QByteArray("\xff\xd8\xff\xdb\x00\x43\x00", 7) + QByteArray(64, '\x01');
    const char high = static_cast<char>(side >> 8), low = static_cast<char>(side & 0xff);
    data += QByteArray("\xff\xc0\x00\x0b\x08", 5) + high + low + high + low;
    data += QByteArray("\x01\x01\x11\x00", 4);
    for (const char tableClass : {'\x00', '\x10'})
        data += QByteArray("\xff\xc4\x00\x14", 4) + tableClass + '\x01' + QByteArray(16, '\x00');
    data += QByteArray("\xff\xda\x00\x08\x01\x01\x00\x00\x3f\x00", 10);
    data += QByteArray(static_cast<qsizetype>(qint64(side / 8) * (side / 8) / 4), '\x00');
    return data + QByteArray("\xff\xd9", 2);
}

// Shows the picture; the number of the error that gives, 0 for none.
int errorNumber(ShownWindow& shown, const std::string& name) {
    try {
        shown.port.showPicture(name);
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.fileName, name);
        EXPECT_EQ(error.description, error.number == 53 ? "File not found" : "Invalid picture");
        return error.number;
    }
    return 0;
}

// Every readable picture fills the area in device pixels (976 x 752 at double density): the
// fourteen JPEGs, other formats under a .jpg name, and a single pixel.
TEST(Picture, ReadablePicturesFillTheArea) {
    PictureFolder folder;
    ShownWindow shown;
    const QByteArray gif(
        "GIF89a\x01\0\x01\0\x80\0\0\xc8\0\0\0\0\0"
        "\x2c\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0\x3b",
        35);
    const QByteArray files[] = {
        {}, solid(red, "PNG"), solid(red, "BMP"), gif, solid(red, "JPEG", 1)};
    for (const QByteArray& bytes : files) {
        if (!bytes.isNull()) writeFile("1.jpg", bytes);
        EXPECT_EQ(errorNumber(shown, "1.jpg"), 0);
        const QSize size = shown.window.pictureArea().picture().size();
        EXPECT_EQ(size, QSize(488, 376) * shown.window.devicePixelRatio());
        EXPECT_EQ(pictureOn(shown.window), "1.jpg") << bytes.left(3).toStdString();
    }
}

TEST(Picture, BadFilesGiveErrorsAndLeaveThePreviousPicture) {
    PictureFolder folder;
    ShownWindow shown;
    shown.port.showPicture("0.jpg");
    const QByteArray jpeg = solid(Qt::blue);
    QByteArray random(4096, 0);
    for (int i = 0; i < random.size(); ++i) random[i] = static_cast<char>((i * 7919 + 13) % 251);
    const struct {
        std::string kind;
        QByteArray content;
        int number;
    } rows[] = {{"missing", {}, 53},
                {"empty", "", 481},
                {"cut off", jpeg.left(jpeg.size() / 2), 481},
                {"without end marker", jpeg.chopped(2), 481},
                {"random bytes", random, 481},
                {"directory", {}, 481},
                {"FIFO", {}, 481}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        if (!QFile::remove("1.jpg")) QDir().rmdir("1.jpg");
        if (!row.content.isNull()) writeFile("1.jpg", row.content);
        if (row.kind == "directory") QDir().mkdir("1.jpg");
        if (row.kind == "FIFO") ::mkfifo("1.jpg", 0600);
        EXPECT_EQ(errorNumber(shown, "1.jpg"), row.number);
        EXPECT_EQ(pictureOn(shown.window), "0.jpg");
    }
}

TEST(Picture, HugePicturesAreDecodedSmallOrRefused) {
    PictureFolder folder;
    ShownWindow shown;
    // Formats that decode at full size stop at the pixel cap: 2896 x 2896 is just below it.
    writeFile("1.jpg", solid(red, "PNG", 2896));
    EXPECT_EQ(errorNumber(shown, "1.jpg"), 0);
    writeFile("2.jpg", solid(red, "PNG", 2897));
    EXPECT_EQ(errorNumber(shown, "2.jpg"), 481);
    // A JPEG decodes at down to an eighth of its size: 20000 fits the allocation cap, 36000 not.
    writeFile("0.jpg", greyJpeg(20000));
    EXPECT_EQ(errorNumber(shown, "0.jpg"), 0);
    const QImage& picture = shown.window.pictureArea().picture();
    EXPECT_EQ(picture.size(), shown.window.pictureArea().sizeInDevicePixels());
    EXPECT_NEAR(qGray(picture.pixel(100, 100)), 128, 2);
    writeFile("3.jpg", greyJpeg(36000));
    EXPECT_EQ(errorNumber(shown, "3.jpg"), 481);
}

// A picture read ahead is handed out only while its file stays as it was read; otherwise the port
// reads the file as it is when shown, and reports its errors then.
TEST(Picture, ReadAheadIsUsedOnlyForAnUnchangedFile) {
    PictureFolder folder;
    ShownWindow shown;
    const QSize size = shown.window.pictureArea().sizeInDevicePixels();
    const struct {
        std::string change;
        bool used;
        const char* shown;  // the picture then shown, or the error
    } rows[] = {{"none", true, "3.jpg"},
                {"rewritten", false, "1.jpg"},
                {"replaced", false, "1.jpg"},
                {"removed", false, "error 53"},
                {"missing", false, "1.jpg"},
                {"no picture", false, "1.jpg"},
                {"written just before", false, "3.jpg"}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.change);
        QFile::remove("3vv.jpg");
        if (row.change == "no picture") writeFile("3vv.jpg", "no picture at all", true);
        if (row.change != "missing" && row.change != "no picture")
            writeFile("3vv.jpg", solid(blue), row.change != "written just before");
        PicturePrefetch prefetch;
        prefetch.start("3vv.jpg", size);
        shown.port.preparePicture("3vv.jpg");
        QThread::msleep(200);  // both reads are done; the change comes after them
        if (row.change == "rewritten" || row.change == "missing" || row.change == "no picture")
            writeFile("3vv.jpg", solid(red));
        if (row.change == "replaced") writeFile("new.jpg", solid(red), true);
        if (row.change == "replaced") std::rename("new.jpg", "3vv.jpg");
        if (row.change == "removed") QFile::remove("3vv.jpg");
        EXPECT_EQ(!prefetch.take("3vv.jpg", size).isNull(), row.used);
        const int number = errorNumber(shown, "3vv.jpg");
        EXPECT_EQ(number ? "error " + QString::number(number) : pictureOn(shown.window), row.shown);
    }
}

}  // namespace
