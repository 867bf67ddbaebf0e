// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <QBuffer>
#include <QDateTime>
#include <cstdio>

#include "PicturePrefetch.h"
#include "QtTestSupport.h"

namespace {

const QColor red(200, 0, 0);   // the colour of 1.jpg
const QColor blue(0, 0, 200);  // the colour of 3.jpg

QByteArray solid(QColor colour) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(colour);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return buffer.data();
}

// Writes a file; a settled one looks as if it had last been written an hour ago.
void writeFile(const QString& name, const QByteArray& bytes, bool settled = false) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
                file.flush());
    const QDateTime hourAgo = QDateTime::currentDateTime().addSecs(-3600);
    ASSERT_TRUE(!settled || file.setFileTime(hourAgo, QFileDevice::FileModificationTime));
}

// A grey square JPEG of any side (a multiple of 16) in two bits per 8 x 8 block: one-bit
// Huffman codes for "no change of DC" and "end of block". A progressive one has only its first
// scan, the DC values, in one bit per block.
QByteArray greyJpeg(int side, bool progressive = false) {
    QByteArray data = QByteArray("\xff\xd8\xff\xdb\x00\x43\x00", 7) + QByteArray(64, '\x01');
    const char high = static_cast<char>(side >> 8), low = static_cast<char>(side & 0xff);
    data += QByteArray(progressive ? "\xff\xc2\x00\x0b\x08" : "\xff\xc0\x00\x0b\x08", 5) + high +
            low + high + low;
    data += QByteArray("\x01\x01\x11\x00", 4);
    for (const char tableClass : {'\x00', '\x10'})
        data += QByteArray("\xff\xc4\x00\x14", 4) + tableClass + '\x01' + QByteArray(16, '\x00');
    data += QByteArray("\xff\xda\x00\x08\x01\x01\x00\x00", 8) +
            QByteArray(progressive ? "\x00\x00" : "\x3f\x00", 2);
    const qint64 blocks = qint64(side / 8) * (side / 8);
    data += QByteArray(static_cast<qsizetype>(progressive ? blocks / 8 : blocks / 4), '\x00');
    return data + QByteArray("\xff\xd9", 2);
}

// Shows the picture: the solid picture then painted, or the error that gives ("error 53").
QString showOrError(ShownProgram& shown, const std::string& name) {
    try {
        shown.port.showPicture(name);
    } catch (const RunTimeError& error) {
        EXPECT_EQ(error.fileName, name);
        EXPECT_EQ(error.description, error.number == 53 ? "File not found" : "Invalid picture");
        return "error " + QString::number(error.number);
    }
    return shown.picture();
}

// A picture fills the area in device pixels (976 x 752 at double density); an error leaves the
// previous picture in place. The shared decision's rows hold the limits of the picture rule, and
// the black-box table plays every kind of file on every port.
TEST(Picture, EachFileGivesAPictureOrAnError) {
    ShownProgram shown;
    const struct {
        std::string kind;
        QByteArray bytes;
        QString result;  // the solid picture then shown ("" for grey), or the error
    } rows[] = {
        {"JPEG", solid(blue), "3.jpg"},
        {"missing", {}, "error 53"},
        // A JPEG decodes at down to an eighth of its size: 20000 fits the allocation cap.
        {"JPEG 20000 x 20000", greyJpeg(20000), ""},
    };
    QString previous;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kind);
        QFile::remove("1.jpg");
        if (!row.bytes.isNull()) writeFile("1.jpg", row.bytes);
        EXPECT_EQ(showOrError(shown, "1.jpg"), row.result);
        if (!row.result.startsWith("error")) previous = row.result;
        EXPECT_EQ(shown.picture(), previous);
        const QImage& picture = shown.window.pictureArea().picture();
        EXPECT_EQ(picture.size(), QSize(488, 376) * shown.window.devicePixelRatio());
        if (row.result.isEmpty()) {
            EXPECT_NEAR(qGray(picture.pixel(100, 100)), 128, 2);
        }
    }
}

// A picture read ahead is handed out only while its file stays as it was read; otherwise the port
// reads the file as it is when shown, and reports its errors then.
TEST(Picture, ReadAheadIsUsedOnlyForAnUnchangedFile) {
    ShownProgram shown;
    const QSize size = shown.window.pictureArea().sizeInDevicePixels();
    for (const std::string change :
         {"none", "written just before", "rewritten", "replaced", "removed", "missing"}) {
        SCOPED_TRACE(change);
        QFile::remove("3vv.jpg");
        if (change != "missing") writeFile("3vv.jpg", solid(blue), change != "written just before");
        PicturePrefetch prefetch;
        prefetch.start("3vv.jpg", size);
        prefetch.waitForReads();  // the change comes after the read
        if (change == "rewritten" || change == "missing") writeFile("3vv.jpg", solid(red));
        if (change == "replaced") writeFile("new.jpg", solid(red), true);
        if (change == "replaced") std::rename("new.jpg", "3vv.jpg");
        if (change == "removed") QFile::remove("3vv.jpg");
        EXPECT_EQ(prefetch.take("3vv.jpg", size).isNull(), change != "none");
        const bool nowRed = change != "none" && change != "written just before";
        const QString expected = change == "removed" ? "error 53" : nowRed ? "1.jpg" : "3.jpg";
        EXPECT_EQ(showOrError(shown, "3vv.jpg"), expected);
    }
}

// A read ahead takes on only a picture that decodes in little memory; a larger one is read when
// shown, so that two of them never decode at once.
TEST(Picture, ReadAheadLeavesPicturesThatTakeMuchMemory) {
    ShownProgram shown;
    const QSize size = shown.window.pictureArea().sizeInDevicePixels();
    for (const bool progressive : {false, true}) {
        writeFile("3vv.jpg", greyJpeg(10000, progressive), true);
        PicturePrefetch prefetch;
        prefetch.start("3vv.jpg", size);
        EXPECT_EQ(prefetch.take("3vv.jpg", size).isNull(), progressive);
    }
}

}  // namespace
