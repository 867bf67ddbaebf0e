#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

// Writes one plain picture under each of the fourteen names the quiz reads.
int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QStringList names{"0.jpg",   "1.jpg",   "2.jpg",   "3.jpg",   "4.jpg",
                            "1õv.jpg", "2õv.jpg", "3õv.jpg", "4õv.jpg", "5õv.jpg",
                            "3vv.jpg", "4vv.jpg", "5vv.jpg", "6vv.jpg"};
    int hue = 0;
    for (const QString& name : names) {
        QImage image(976, 752, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(hue, 90, 230));
        hue += 25;
        QPainter painter(&image);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 120));
        painter.drawText(image.rect(), Qt::AlignCenter, name);
        painter.end();
        if (!image.save(folder.filePath(name), "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
            return 1;
        }
    }
    return 0;
}
