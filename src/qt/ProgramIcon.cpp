// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "ProgramIcon.h"

#include <QImage>
#include <QPixmap>

#include "ProgramIconPixels.h"

QIcon programIcon() {
    // Compiled in already decoded: reading the PNG files here made Qt load its image-format
    // plugins and their libraries before the first paint, a tenth of the start-up and over a
    // megabyte of memory.
    QIcon icon;
    for (const IconPixels& pixels : iconPixels) {
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.argb), pixels.size,
                                      pixels.size, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}
