// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "Form1.h"
#include "Landscape.h"
#include "PictureArt.h"
#include "PictureSet.h"

// Draws the fourteen pictures of the quiz into OUTPUT_FOLDER, at twice the size of the picture
// area so that they stay crisp on high-density screens, each with its description.
int main(int argc, char* argv[]) {
    // Drawing needs fonts but never a screen, so a build machine without a display will do.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvamik_draw_pictures OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create the folder %s\n", argv[1]);
        return 1;
    }
    // Twice the picture area of the window, for sharp screens; the art has coordinates of its own.
    const RectTwips& area = torvamikProgram().picture.rect;
    const QSize size(2 * twips::toPixels(area.width), 2 * twips::toPixels(area.height));
    for (const PictureEntry& entry : pictureSet()) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(size.width() / areaWidth, size.height() / areaHeight);
        drawPicture(painter, entry.content);
        painter.end();
        // Qt writes this as the JPEG's comment, where every port's picture reader finds it.
        image.setText(QStringLiteral("Description"), entry.description);
        const QString path = folder.filePath(entry.fileName);
        if (!image.save(path, "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
