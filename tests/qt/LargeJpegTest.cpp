#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <limits>

#include "JpegEncoder.h"
#include "LargeJpegDecoder.h"
#include "PictureLoader.h"
#include "RunTimeError.h"

Q_DECLARE_METATYPE(JpegEncoding)

namespace {

// Soft gradients, soft-edged shapes and fine noise, as in a photo.
QImage photoLike(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QLinearGradient sky(0, 0, width, height);
    sky.setColorAt(0, QColor(30, 90, 200));
    sky.setColorAt(1, QColor(250, 200, 60));
    QPainter painter(&image);
    painter.fillRect(image.rect(), sky);
    painter.setPen(Qt::NoPen);
    QRandomGenerator random(7);
    for (int i = 0; i < 60; ++i) {
        const QPointF centre(random.bounded(width), random.bounded(height));
        const qreal radius = 20 + random.bounded(width / 8);
        QRadialGradient blot(centre, radius);
        const QColor colour = QColor::fromRgb(random.generate());
        blot.setColorAt(0, colour);
        blot.setColorAt(0.7, colour);
        blot.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
        painter.setBrush(blot);
        painter.drawEllipse(centre, radius, radius);
    }
    painter.end();
    for (int y = 0; y < height; y += 2) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = random.bounded(-20, 21);
            const QRgb p = line[x];
            line[x] = qRgb(qBound(0, qRed(p) + noise, 255), qBound(0, qGreen(p) + noise, 255),
                           qBound(0, qBlue(p) - noise, 255));
        }
    }
    return image;
}

// Tiles of 16 x 16 pixels in colours well inside what YCbCr holds: each tile is one pixel of a
// picture a sixteenth the size, exactly, so every tile must come out in its own colour.
QImage tiles(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < height; y += 16) {
        for (int x = 0; x < width; x += 16) {
            const QRgb colour =
                qRgb(40 + random.bounded(176), 40 + random.bounded(176), 40 + random.bounded(176));
            for (int row = y; row < y + 16; ++row) {
                std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(row)) + x, 16, colour);
            }
        }
    }
    return image;
}

struct Difference {
    double mean = 0;
    int largest = 0;
};

Difference differenceOf(const QImage& a, const QImage& b) {
    Difference d;
    qint64 total = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            for (const int diff : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) {
                total += qAbs(diff);
                d.largest = qMax(d.largest, qAbs(diff));
            }
        }
    }
    d.mean = double(total) / (3.0 * a.width() * a.height());
    return d;
}

// Qt's way: decode at an eighth, then scale smoothly.
QImage decodedByQt(const QString& path, QSize target) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    reader.setScaledSize(turned ? target.transposed() : target);
    reader.setQuality(100);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

std::optional<QImage> decodeFile(const QString& path, QSize target, qint64 splitFromBytes,
                                 bool* decodedByTwo = nullptr) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<QImage> image = decodeLargeJpeg(
        fd, target, {.splitFromBytes = splitFromBytes, .decodedByTwo = decodedByTwo});
    ::close(fd);
    return image;
}

constexpr qint64 neverSplit = std::numeric_limits<qint64>::max();
constexpr qint64 alwaysSplit = 0;

}  // namespace

class LargeJpegTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(folder_.isValid());
        photo_ = photoLike(1613, 1211);
    }

    // Every kind of file the decoder takes puts every block in its place, in its colour, by one
    // thread or by two.
    void decodesEveryBlockInPlace_data() {
        QTest::addColumn<JpegEncoding>("encoding");
        QTest::newRow("4:2:0") << JpegEncoding{};
        QTest::newRow("4:2:2") << JpegEncoding{.chromaWide = 2, .chromaHigh = 1};
        QTest::newRow("4:4:4") << JpegEncoding{.chromaWide = 1, .chromaHigh = 1};
        QTest::newRow("grey") << JpegEncoding{.grey = true};
        QTest::newRow("4:2:0, restart every 5 MCUs") << JpegEncoding{.restartInterval = 5};
        QTest::newRow("4:4:4, restart every 64 MCUs")
            << JpegEncoding{.chromaWide = 1, .chromaHigh = 1, .restartInterval = 64};
    }
    void decodesEveryBlockInPlace() {
        QFETCH(JpegEncoding, encoding);
        const QImage source = tiles(1600, 1200);
        const QString path = write(encodeJpeg(source, encoding));
        const QSize target(100, 75);
        const std::optional<QImage> single = decodeFile(path, target, neverSplit);
        bool decodedByTwo = false;
        const std::optional<QImage> split = decodeFile(path, target, alwaysSplit, &decodedByTwo);
        QVERIFY(single && split);
        QVERIFY(decodedByTwo);
        QCOMPARE(*split, *single);
        QImage expected = source.scaled(target);  // one pixel of each tile
        if (encoding.grey) {
            for (int y = 0; y < expected.height(); ++y) {
                for (int x = 0; x < expected.width(); ++x) {
                    const QRgb p = expected.pixel(x, y);
                    const int luma = qRound(0.299 * qRed(p) + 0.587 * qGreen(p) + 0.114 * qBlue(p));
                    expected.setPixel(x, y, qRgb(luma, luma, luma));
                }
            }
        }
        const Difference d = differenceOf(*single, expected);
        QVERIFY2(d.largest <= 4, qPrintable(QStringLiteral("largest %1").arg(d.largest)));
    }

    // A photo of any size, its last MCUs only partly in the picture, looks as Qt shows it.
    void photoLooksAsQtShowsIt() {
        const QString path = write(encodeJpeg(photo_, {}));
        const QSize target(100, 75);
        const std::optional<QImage> picture = decodeFile(path, target, alwaysSplit);
        QVERIFY(picture);
        QCOMPARE(picture->size(), target);
        const Difference d = differenceOf(*picture, decodedByQt(path, target));
        QVERIFY2(d.mean < 4.5, qPrintable(QString::number(d.mean)));
    }

    // Anything else is left to Qt.
    void leavesOtherFilesToQt_data() {
        QTest::addColumn<JpegEncoding>("encoding");
        QTest::addColumn<QSize>("target");
        QTest::newRow("progressive") << JpegEncoding{.progressive = true} << QSize(100, 75);
        QTest::newRow("arithmetic") << JpegEncoding{.arithmetic = true} << QSize(100, 75);
        QTest::newRow("RGB") << JpegEncoding{.rgb = true} << QSize(100, 75);
        QTest::newRow("chroma under an eighth of the target") << JpegEncoding{} << QSize(120, 90);
    }
    void leavesOtherFilesToQt() {
        QFETCH(JpegEncoding, encoding);
        QFETCH(QSize, target);
        const QString path = write(encodeJpeg(photo_, encoding));
        QVERIFY(!decodeFile(path, target, neverSplit));
        QVERIFY(!decodeFile(path, target, alwaysSplit));
    }

    // A file that stops early is never shown with a made-up tail.
    void cutOffFilesAreNoPicture_data() {
        QTest::addColumn<JpegEncoding>("encoding");
        QTest::addColumn<double>("kept");
        QTest::newRow("first half") << JpegEncoding{} << 0.3;
        QTest::newRow("second half") << JpegEncoding{} << 0.8;
        QTest::newRow("only the end marker") << JpegEncoding{} << -2.0;
        QTest::newRow("with restart markers") << JpegEncoding{.restartInterval = 3} << 0.7;
    }
    void cutOffFilesAreNoPicture() {
        QFETCH(JpegEncoding, encoding);
        QFETCH(double, kept);
        const QByteArray whole = encodeJpeg(photo_, encoding);
        const QString path =
            write(kept < 0 ? whole.chopped(int(-kept)) : whole.left(int(whole.size() * kept)));
        QVERIFY(!decodeFile(path, QSize(100, 75), neverSplit));
        QVERIFY(!decodeFile(path, QSize(100, 75), alwaysSplit));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        try {
            loadPicture(QFileInfo(path).fileName().toStdString(), QSize(100, 75));
            QFAIL("a cut-off picture was shown");
        } catch (const RunTimeError& error) {
            QCOMPARE(error.number, 481);
        }
        QDir::setCurrent(previous);
    }

    // Damaged anywhere, header or data, a file gives either a picture of the target size or none,
    // and never a crash or a hang.
    void damagedFilesAreSafe() {
        const QByteArray whole = encodeJpeg(tiles(1600, 1200), {.restartInterval = 40});
        QRandomGenerator random(3);
        for (int round = 0; round < 60; ++round) {
            QByteArray damaged = whole;
            const int hits = 1 + random.bounded(6);
            for (int i = 0; i < hits; ++i) {
                // Half the hits in the first kilobyte, where the tables are.
                const int at = random.bounded(2) == 0 ? random.bounded(1024)
                                                      : random.bounded(int(damaged.size()));
                damaged[at] = static_cast<char>(random.bounded(256));
            }
            const QString path = write(damaged);
            for (const qint64 split : {neverSplit, alwaysSplit}) {
                const std::optional<QImage> picture = decodeFile(path, QSize(100, 75), split);
                QVERIFY(!picture || picture->size() == QSize(100, 75));
            }
        }
    }

    // The loader turns a large picture the way its EXIF orientation says, as Qt does.
    void turnedPictureComesOutUpright() {
        const QString path = write(encodeJpeg(photo_, {.exifOrientation = 6}));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        const QSize target(75, 100);
        const QImage shown = loadPicture(QFileInfo(path).fileName().toStdString(), target);
        QDir::setCurrent(previous);
        QCOMPARE(shown.size(), target);
        const Difference d =
            differenceOf(shown.convertToFormat(QImage::Format_RGB32), decodedByQt(path, target));
        QVERIFY2(d.mean < 4.5, qPrintable(QString::number(d.mean)));
    }

private:
    QString write(const QByteArray& bytes) {
        const QString path = folder_.filePath(QStringLiteral("picture%1.jpg").arg(++written_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
        return path;
    }

    QTemporaryDir folder_;
    QImage photo_;
    int written_ = 0;
};

QTEST_MAIN(LargeJpegTest)
#include "LargeJpegTest.moc"
