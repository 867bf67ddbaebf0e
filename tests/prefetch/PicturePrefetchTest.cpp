#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "Form1.h"
#include "MainWindow.h"
#include "PictureArea.h"
#include "PicturePrefetch.h"
#include "QtUiPort.h"
#include "RunTimeError.h"

namespace {

const QSize areaSize(32, 24);

QByteArray solidJpeg(Qt::GlobalColor colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

// Writes the picture in place; a settled file looks as if it was last written an hour ago.
void writePicture(const QString& name, Qt::GlobalColor colour, bool settled) {
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.write(solidJpeg(colour)) > 0);
    QVERIFY(file.flush());
    if (settled) {
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                 QFileDevice::FileModificationTime));
    }
}

bool isColour(const QImage& image, Qt::GlobalColor colour) {
    const QColor want(colour);
    const QColor got = image.pixelColor(image.width() / 2, image.height() / 2);
    return qAbs(got.red() - want.red()) < 12 && qAbs(got.green() - want.green()) < 12 &&
           qAbs(got.blue() - want.blue()) < 12;
}

}  // namespace

class PicturePrefetchTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(folder_->path()));
    }
    void cleanup() { folder_.reset(); }

    void handsOutThePictureWhileItsFileStaysTheSame() {
        writePicture("1õv.jpg", Qt::red, true);
        PicturePrefetch prefetch;
        prefetch.start("1õv.jpg", areaSize);
        QVERIFY(prefetch.take("2õv.jpg", areaSize).isNull());
        QVERIFY(prefetch.take("1õv.jpg", QSize(64, 48)).isNull());
        const QImage picture = prefetch.take("1õv.jpg", areaSize);
        QCOMPARE(picture.size(), areaSize);
        QVERIFY(isColour(picture, Qt::red));
        // Handed out once.
        QVERIFY(prefetch.take("1õv.jpg", areaSize).isNull());
    }

    void leavesAChangedOrUnreadableFileToTheShow_data() {
        QTest::addColumn<QString>("change");
        for (const char* change :
             {"rewritten", "replaced", "removed", "written just before", "missing", "no picture"}) {
            QTest::newRow(change) << QString::fromLatin1(change);
        }
    }
    void leavesAChangedOrUnreadableFileToTheShow() {
        QFETCH(QString, change);
        const QString name = QStringLiteral("3vv.jpg");
        if (change == "no picture") {
            QFile file(name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a picture at all");
        } else if (change != "missing") {
            writePicture(name, Qt::red, change != "written just before");
        }
        PicturePrefetch prefetch;
        prefetch.start(name.toStdString(), areaSize);
        prefetch.wait();
        if (change == "rewritten") writePicture(name, Qt::blue, false);
        if (change == "replaced") {
            writePicture("other.jpg", Qt::blue, true);
            QVERIFY(QFile::remove(name));
            QVERIFY(QFile::rename("other.jpg", name));
        }
        if (change == "removed") QVERIFY(QFile::remove(name));
        QVERIFY(prefetch.take(name.toStdString(), areaSize).isNull());
    }

    // Through the port: whatever the worker read, the picture shown and the error reported are
    // those of the file at the moment of showing.
    void portShowsTheFileAsItIsWhenShown() {
        MainWindow window(torvamikProgram());
        QtUiPort port(window, SteadyClock());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        writePicture("1.jpg", Qt::red, true);
        port.preparePicture("1.jpg");
        port.showPicture("1.jpg");
        QVERIFY(isColour(window.pictureArea().picture(), Qt::red));

        writePicture("2.jpg", Qt::red, true);
        port.preparePicture("2.jpg");
        writePicture("other.jpg", Qt::green, true);
        QVERIFY(QFile::remove("2.jpg"));
        QVERIFY(QFile::rename("other.jpg", "2.jpg"));
        port.showPicture("2.jpg");
        QVERIFY(isColour(window.pictureArea().picture(), Qt::green));

        port.preparePicture("4.jpg");  // missing: no error yet
        writePicture("4.jpg", Qt::blue, true);
        port.showPicture("4.jpg");
        QVERIFY(isColour(window.pictureArea().picture(), Qt::blue));

        writePicture("5vv.jpg", Qt::red, true);
        port.preparePicture("5vv.jpg");
        QVERIFY(QFile::remove("5vv.jpg"));
        try {
            port.showPicture("5vv.jpg");
            QFAIL("a removed picture was shown");
        } catch (const RunTimeError& error) {
            QCOMPARE(error.number, 53);
            QCOMPARE(error.fileName, std::string("5vv.jpg"));
        }
        QVERIFY(isColour(window.pictureArea().picture(), Qt::blue));
    }

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

QTEST_MAIN(PicturePrefetchTest)
#include "PicturePrefetchTest.moc"
