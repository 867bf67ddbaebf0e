#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Writes a valid baseline JPEG of any size that is plain grey, without ever holding the image:
// every 8×8 block is "no change, end of block", two bits with one-code Huffman tables.
inline bool writeGreyJpeg(const QString& path, int width, int height) {
    QByteArray header;
    const auto put = [&header](std::initializer_list<int> bytes) {
        for (const int b : bytes) header.append(static_cast<char>(b));
    };
    put({0xFF, 0xD8});                    // start of image
    put({0xFF, 0xDB, 0x00, 0x43, 0x00});  // quantisation table 0, all ones
    header.append(QByteArray(64, 1));
    put({0xFF, 0xC0, 0x00, 0x0B, 0x08, height >> 8, height & 0xFF, width >> 8, width & 0xFF, 0x01,
         0x01, 0x11, 0x00});                     // baseline frame, one component
    for (const int tableClass : {0x00, 0x10}) {  // DC and AC tables with one symbol each
        put({0xFF, 0xC4, 0x00, 0x14, tableClass, 0x01});
        header.append(QByteArray(15, 0));
        put({0x00});
    }
    put({0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00});  // one scan

    const qint64 blocks = qint64((width + 7) / 8) * ((height + 7) / 8);
    const qint64 bits = blocks * 2;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(header);
    const QByteArray zeros(1 << 20, 0);
    for (qint64 left = bits / 8; left > 0; left -= zeros.size()) {
        file.write(zeros.constData(), std::min<qint64>(left, zeros.size()));
    }
    if (bits % 8 != 0) file.write(QByteArray(1, static_cast<char>(0xFF >> (bits % 8))));
    file.write(QByteArray("\xFF\xD9", 2));
    return file.error() == QFile::NoError;
}
