#include <gtest/gtest.h>

#include <QDir>
#include <QImageReader>
#include <QSet>

#include "JpegCheck.h"
#include "PictureSet.h"

// Picture descriptions: the reader every port shares, and the default pictures carrying them.

// The start of a JPEG: its start marker and the given (marker, payload) segments.
static std::string header(std::initializer_list<std::pair<int, std::string>> segments) {
    std::string bytes = "\xFF\xD8";
    for (const auto& [marker, payload] : segments) {
        const std::size_t length = payload.size() + 2;
        bytes += std::string{'\xFF', char(marker), char(length >> 8), char(length)} + payload;
    }
    return bytes;
}

static std::string describe(const QByteArray& bytes) {
    return checkJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())
        .description;
}

TEST(JpegDescription, TheFirstDescriptionCommentBeforeThePictureDataCutAtALetter) {
    const std::string as(998, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {header({{0xE0, "JFIF"}, {0xFE, "Description: Ilves\n  õues "}}), "Ilves õues"},
        {header({{0xFE, "Title: Ilves"}, {0xFE, "Ilves magab: öö"}}), "Ilves magab: öö"},
        {header({{0xFE, "Description: Ilves \xC3"}, {0xFE, "Ilves"}}), ""},  // bad: none at all
        {header({{0xFE, "Kaks\x01rida"}}), ""},
        {header({{0xFE, "Ilves"}}).substr(0, 10), ""},
        {header({{0xE1, "Exif"}, {0xDA, ""}, {0xFE, "Pärast pilti"}}), ""},
        {header({{0xFE, as + "õ"}}), as + "õ"},
        {header({{0xFE, as + "a õ"}}), as + "a"},
        {header({{0xFE, std::string(5000, 'b')}}), std::string(1000, 'b')}};
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(describe(QByteArray::fromStdString(bytes)), expected) << bytes.substr(0, 40);
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
