// Writes the fourteen pictures of the quiz into a folder, each a JPEG of one solid colour from
// pictures.tsv, at an odd size so that every port has to scale it to its picture area, and
// described as "Proovipilt NAME" for screen readers.
// Usage: make_solid_pictures DIR
#include <QColor>
#include <QDir>
#include <QImage>
#include <cstdio>

#include "TestData.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_solid_pictures DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    for (const testdata::SolidPicture& picture : testdata::solidPictures()) {
        QImage image(61, 47, QImage::Format_RGB32);
        image.fill(QColor(picture.red, picture.green, picture.blue));
        image.setText(QStringLiteral("Description"),
                      QStringLiteral("Proovipilt ") + QString::fromStdString(picture.name));
        if (!image.save(dir.filePath(QString::fromStdString(picture.name)), "JPEG", 95)) return 1;
    }
    return 0;
}
