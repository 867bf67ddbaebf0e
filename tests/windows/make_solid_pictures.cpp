// Writes the solid-colour picture set of the Windows tests into a folder, optionally with one
// picture missing, replaced by bytes that are no picture, or cut off in the middle.
// Usage: make_solid_pictures DIR [--without NAME | --garbage NAME | --truncate NAME]
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

#include "SolidPictures.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2 && arguments.size() != 4) {
        std::fprintf(stderr,
                     "usage: make_solid_pictures DIR [--without|--garbage|--truncate NAME]\n");
        return 2;
    }
    const QDir dir(arguments[1]);
    if (!dir.mkpath(QStringLiteral("."))) return 1;
    const QString mode = arguments.size() == 4 ? arguments[2] : QString();
    const QString special = arguments.size() == 4 ? arguments[3] : QString();

    for (const SolidPicture& picture : solidPictures) {
        const QString name = QString::fromUtf8(picture.name.data(), picture.name.size());
        const QString path = dir.filePath(name);
        QFile::remove(path);
        if (name == special && mode == QLatin1String("--without")) continue;
        if (name == special && mode == QLatin1String("--garbage")) {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write("this is no picture\n") < 0)
                return 1;
            continue;
        }
        // An odd size, so that the program has to scale it to its picture area.
        QImage image(61, 47, QImage::Format_RGB32);
        image.fill(QColor(picture.red, picture.green, picture.blue));
        if (!image.save(path, "JPEG", 95)) return 1;
        if (name == special && mode == QLatin1String("--truncate")) {
            QFile file(path);
            if (!file.open(QIODevice::ReadWrite) || !file.resize(file.size() / 2)) return 1;
        }
    }
    return 0;
}
