#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "Form1.h"
#include "HugeJpeg.h"
#include "MainWindow.h"
#include "PictureArea.h"
#include "QtUiPort.h"
#include "QuietOffscreen.h"
#include "ShownWindow.h"
#include "SolidPictures.h"

namespace {

QColor centreOf(const QImage& image) {
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace

// Loading pictures by bare name from the current directory into Image1, and every way it fails.
class PictureTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { quietOffscreenWarnings(); }
    void init() {
        shown_ = std::make_unique<ShownWindow>();
        QVERIFY(shown_->exposed);
    }
    void cleanup() { shown_.reset(); }

    void shownFilledIntoTheArea() {
        SolidPictures pictures;
        for (const QString& name : {QStringLiteral("5õv.jpg"), QStringLiteral("0.jpg")}) {
            shown_->port->showPicture(name.toStdString());
            const QImage& shown = shown_->window->pictureArea().picture();
            QCOMPARE(SolidPictures::nameOf(centreOf(shown)), name);
            QCOMPARE(shown.size(), shown_->window->pictureArea().sizeInDevicePixels());
            QCOMPARE(shown.size(), QSize(488, 376) * shown_->window->devicePixelRatio());
            // Painted on the screen, not just held.
            const QImage onScreen = shown_->window->pictureArea().grab().toImage();
            QCOMPARE(SolidPictures::nameOf(centreOf(onScreen)), name);
            QCOMPARE(SolidPictures::nameOf(onScreen.pixelColor(2, 2)), name);
        }
    }

    void namesAreResolvedWhenLoaded() {
        SolidPictures first;
        shown_->port->showPicture("1.jpg");
        QTemporaryDir other;
        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(other.filePath("1.jpg"), "JPEG"));
        QDir::setCurrent(other.path());
        shown_->port->showPicture("1.jpg");
        QVERIFY(qAbs(centreOf(shown_->window->pictureArea().picture()).red() - 255) < 8);
    }

    void failures_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QByteArray jpeg;
        {
            QImage image(200, 150, QImage::Format_RGB32);
            image.fill(Qt::blue);
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "JPEG", 90);
        }
        QByteArray random(4096, 0);
        for (int i = 0; i < random.size(); ++i)
            random[i] = static_cast<char>((i * 7919 + 13) % 251);
        QTest::newRow("missing") << QByteArray() << 53 << "File not found";
        QTest::newRow("empty") << QByteArray("") << 481 << "Invalid picture";
        QTest::newRow("truncated JPEG") << jpeg.left(jpeg.size() / 2) << 481 << "Invalid picture";
        QTest::newRow("JPEG without its end marker")
            << jpeg.left(jpeg.size() - 2) << 481 << "Invalid picture";
        QTest::newRow("random bytes") << random << 481 << "Invalid picture";
        QTest::newRow("text") << QByteArray("not a picture\n") << 481 << "Invalid picture";
    }
    void failures() {
        QFETCH(QByteArray, content);
        QFETCH(int, number);
        QFETCH(QString, description);
        SolidPictures pictures({"5õv.jpg"});
        shown_->port->showPicture("0.jpg");
        if (!content.isNull()) {
            QFile file(QString::fromUtf8("5õv.jpg"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        try {
            shown_->port->showPicture("5õv.jpg");
            QFAIL("the load did not fail");
        } catch (const RunTimeError& error) {
            QCOMPARE(error.number, number);
            QCOMPARE(QString::fromStdString(error.description), description);
            QCOMPARE(QString::fromStdString(error.fileName), QString::fromUtf8("5õv.jpg"));
        }
        // A failed load leaves the previous picture in place.
        QCOMPARE(SolidPictures::nameOf(centreOf(shown_->window->pictureArea().picture())),
                 QStringLiteral("0.jpg"));
    }

    void directoryUnderTheNameIsNoPicture() {
        SolidPictures pictures({"1.jpg"});
        QVERIFY(QDir().mkdir("1.jpg"));
        QVERIFY_THROWS_EXCEPTION(RunTimeError, shown_->port->showPicture("1.jpg"));
    }

    void hugeJpegIsDecodedStraightToTheAreaSize() {
        QTemporaryDir folder;
        QVERIFY(writeGreyJpeg(folder.filePath("0.jpg"), 20000, 20000));
        QDir::setCurrent(folder.path());
        shown_->port->showPicture("0.jpg");
        const QImage& shown = shown_->window->pictureArea().picture();
        QCOMPARE(shown.size(), shown_->window->pictureArea().sizeInDevicePixels());
        QVERIFY(qAbs(centreOf(shown).red() - 128) < 4);
    }

private:
    std::unique_ptr<ShownWindow> shown_;
};

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
