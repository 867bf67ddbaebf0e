// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <cstdlib>

#include "PictureCheck.h"

// The default picture set as the build writes it: the quiz finds every picture by its exact name.
namespace {

// Spelled here independently of the build, with the precomposed õ.
const QStringList pictureNames =
    QString::fromUtf8(
        "0.jpg 1.jpg 2.jpg 3.jpg 4.jpg 1\u00F5v.jpg 2\u00F5v.jpg 3\u00F5v.jpg "
        "4\u00F5v.jpg 5\u00F5v.jpg 3vv.jpg 4vv.jpg 5vv.jpg 6vv.jpg")
        .split(u' ');
const QDir pictureFolder(QStringLiteral(TORVAMIK_PICTURE_DIR));

// Mean difference per colour channel, 0 to 255, of two pictures shrunk to a common small size.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage p = a.scaled(61, 47).convertToFormat(QImage::Format_RGB888);
    const QImage q = b.scaled(61, 47).convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    for (int y = 0; y < 47; ++y) {
        for (int x = 0; x < 61 * 3; ++x)
            sum += std::abs(p.constScanLine(y)[x] - q.constScanLine(y)[x]);
    }
    return sum / (61 * 47 * 3);
}

}  // namespace

TEST(PictureSet, FourteenVisiblyDifferentJpegsOfTwiceThePictureAreaUnderTheExactNames) {
    // Byte for byte: a decomposed õ on disk would be a different file to the quiz.
    QStringList present = pictureFolder.entryList({QStringLiteral("*.jpg")}),
                expected = pictureNames;
    present.sort();
    expected.sort();
    EXPECT_EQ(present.join(u' ').toStdString(), expected.join(u' ').toStdString());
    std::vector<QImage> pictures;
    QSet<QString> descriptions;
    for (const QString& name : pictureNames) {
        QFile file(pictureFolder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        pictures.push_back(QImage::fromData(bytes, "JPEG"));
        ASSERT_EQ(pictures.back().size(), QSize(976, 752)) << name.toStdString();
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
        descriptions << QString::fromStdString(checkPicture(data, bytes.size()).description);
    }
    EXPECT_EQ(descriptions.size(), 14);
    for (const QChar letter : QStringLiteral("õäöü"))
        EXPECT_TRUE(descriptions.values().join(' ').contains(letter)) << int{letter.unicode()};
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            // JPEG noise stays far below 1; a changed mood or badge shows well above it.
            EXPECT_GT(meanDifference(pictures[i], pictures[j]), 1.5)
                << pictureNames[i].toStdString() << " and " << pictureNames[j].toStdString();
        }
    }
}
