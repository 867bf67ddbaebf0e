// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "ProgramIcon.h"

#include <QImage>
#include <QPixmap>

#include "ProgramIconPixels.h"

QIcon programIcon() {
    // Compiled in already decoded: Qt's first image reader would look through every installed
    // image-format plugin before the first paint.
    QIcon icon;
    for (const IconPixels& pixels : iconPixels) {
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.argb), pixels.size,
                                      pixels.size, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}
