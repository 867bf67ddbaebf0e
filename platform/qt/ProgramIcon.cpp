#include "ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon programIcon() {
    // The same pixels as the installed icon theme files, compiled in from packaging/icons.
    // Read as PNG by name: left to guess, the reader would load every image format plugin (and
    // the JPEG library) during start-up just to ask them about these files.
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        QImageReader reader(QStringLiteral(":/icons/ee.torvamik.Torvamik-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
