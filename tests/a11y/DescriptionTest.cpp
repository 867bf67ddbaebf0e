#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QSet>

#include "JpegCheck.h"
#include "PictureSet.h"

// The default pictures carry their descriptions, read alike by the shared reader and by Qt.

static std::string describe(const QByteArray& bytes) {
    return checkJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())
        .description;
}

TEST(JpegDescription, EveryDefaultPictureCarriesItsOwnInUtf8) {
    QStringList all;
    for (const PictureEntry& entry : pictureSet()) {
        QFile file(QDir(QStringLiteral(TORVAMIK_PICTURE_DIR)).filePath(entry.fileName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << entry.fileName.toStdString();
        EXPECT_EQ(QString::fromStdString(describe(file.readAll())), entry.description);
        EXPECT_EQ(QImageReader(file.fileName()).text(QStringLiteral("Description")),
                  entry.description);
        all += entry.description;
    }
    EXPECT_EQ(QSet<QString>(all.begin(), all.end()).size(), 14);
    for (const QChar letter : QStringLiteral("õäöü")) EXPECT_TRUE(all.join(' ').contains(letter));
}
