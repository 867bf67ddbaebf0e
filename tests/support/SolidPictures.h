// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QDir>
#include <QImage>
#include <QStringList>

#include "TestData.h"

// Writes the fourteen pictures of the quiz into a folder: each a JPEG of one
// solid colour from pictures.tsv, at an odd size so that every port has to scale it, described
// as "Proovipilt NAME" for screen readers.
inline bool writeSolidPictures(const QString& folder) {
    for (const testdata::SolidPicture& picture : testdata::solidPictures()) {
        const QString name = QString::fromStdString(picture.name);
        QImage image(61, 47, QImage::Format_RGB32);
        image.fill(QColor(picture.red, picture.green, picture.blue));
        image.setText(QStringLiteral("Description"), QStringLiteral("Proovipilt ") + name);
        if (!image.save(QDir(folder).filePath(name), "JPEG", 95)) return false;
    }
    return true;
}

// The name of the solid picture whose colour this pixel has, or "" if it is none of them.
inline QString solidPictureAt(QColor pixel) {
    for (const testdata::SolidPicture& picture : testdata::solidPictures()) {
        const int distance = std::abs(picture.red - pixel.red()) +
                             std::abs(picture.green - pixel.green()) +
                             std::abs(picture.blue - pixel.blue());
        if (distance < 40) return QString::fromStdString(picture.name);
    }
    return {};
}
