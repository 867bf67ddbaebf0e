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
    for (const testdata::Row& row : testdata::readTable("pictures.tsv")) {
        const QString name = QString::fromStdString(row.at(0));
        QImage image(61, 47, QImage::Format_RGB32);
        image.fill(QColor(QString::fromStdString(row.at(1))));
        image.setText(QStringLiteral("Description"), QStringLiteral("Proovipilt ") + name);
        if (!image.save(QDir(folder).filePath(name), "JPEG", 95)) return false;
    }
    return true;
}

// The name of the solid picture whose colour this pixel has, or "" if it is none of them.
inline QString solidPictureAt(QColor pixel) {
    for (const testdata::Row& row : testdata::readTable("pictures.tsv")) {
        const QColor colour(QString::fromStdString(row.at(1)));
        const int distance = std::abs(colour.red() - pixel.red()) +
                             std::abs(colour.green() - pixel.green()) +
                             std::abs(colour.blue() - pixel.blue());
        if (distance < 40) return QString::fromStdString(row.at(0));
    }
    return {};
}
