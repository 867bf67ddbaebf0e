#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

// The default picture set as the build writes it: the quiz finds every picture by its exact name.
namespace {

// The names the quiz reads, spelled here independently of the build, with the precomposed õ.
const QStringList pictureNames{
    QStringLiteral("0.jpg"),        QStringLiteral("1.jpg"),        QStringLiteral("2.jpg"),
    QStringLiteral("3.jpg"),        QStringLiteral("4.jpg"),        QStringLiteral("1\u00F5v.jpg"),
    QStringLiteral("2\u00F5v.jpg"), QStringLiteral("3\u00F5v.jpg"), QStringLiteral("4\u00F5v.jpg"),
    QStringLiteral("5\u00F5v.jpg"), QStringLiteral("3vv.jpg"),      QStringLiteral("4vv.jpg"),
    QStringLiteral("5vv.jpg"),      QStringLiteral("6vv.jpg")};

const QDir pictureFolder(QStringLiteral(TORVAMIK_PICTURE_DIR));

QImage readPicture(const QString& name) {
    QImageReader reader(pictureFolder.filePath(name));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

// Mean difference per colour channel, 0 to 255, of two pictures reduced to a common small size.
double meanDifference(const QImage& a, const QImage& b) {
    const QSize small(122, 94);
    const QImage left = a.scaled(small).convertToFormat(QImage::Format_RGB32);
    const QImage right = b.scaled(small).convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * small.width() * small.height());
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int runDrawer(const QStringList& arguments, QString* errors = nullptr) {
    QProcess drawer;
    drawer.start(QStringLiteral(TORVAMIK_DRAW_PICTURES), arguments);
    if (!drawer.waitForFinished(60000)) {
        drawer.kill();
        drawer.waitForFinished(5000);
        return -1;
    }
    if (errors) *errors = QString::fromLocal8Bit(drawer.readAllStandardError());
    return drawer.exitStatus() == QProcess::NormalExit ? drawer.exitCode() : -1;
}

}  // namespace

TEST(PictureSet, EveryNameIsAJpegOfTwiceThePictureArea) {
    const QStringList present = pictureFolder.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    for (const QString& name : pictureNames) {
        SCOPED_TRACE(name.toStdString());
        // Byte for byte: a decomposed õ on disk would be a different file to the quiz.
        EXPECT_TRUE(present.contains(name));
        QImageReader reader(pictureFolder.filePath(name));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray("jpeg"));
        const QImage picture = reader.read();
        ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(picture.size(), QSize(976, 752));
    }
    EXPECT_EQ(present.size(), pictureNames.size()) << "no stray pictures beside the fourteen";
}

TEST(PictureSet, TheFourteenPicturesDifferVisibly) {
    std::vector<QImage> pictures;
    for (const QString& name : pictureNames) pictures.push_back(readPicture(name));
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            // JPEG noise stays far below 1; a changed mood or badge shows well above it.
            EXPECT_GT(meanDifference(pictures[i], pictures[j]), 1.5)
                << pictureNames[i].toStdString() << " and " << pictureNames[j].toStdString();
        }
    }
}

TEST(PictureSet, DrawingAgainGivesTheSameFiles) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    ASSERT_EQ(runDrawer({folder.path()}), 0);
    for (const QString& name : pictureNames) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray again = contents(QDir(folder.path()).filePath(name));
        EXPECT_FALSE(again.isEmpty());
        EXPECT_TRUE(again == contents(pictureFolder.filePath(name)));
    }
}

TEST(PictureSet, TheDrawerRejectsAMissingOrUnwritableFolder) {
    QString errors;
    EXPECT_EQ(runDrawer({}, &errors), 2);
    EXPECT_TRUE(errors.contains(QStringLiteral("usage:")));

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString blocker = QDir(folder.path()).filePath(QStringLiteral("a-file"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    // A folder below a plain file can never be created, even by root.
    EXPECT_EQ(runDrawer({blocker + QStringLiteral("/pictures")}, &errors), 1);
    EXPECT_TRUE(errors.contains(QStringLiteral("cannot create")));
}

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
