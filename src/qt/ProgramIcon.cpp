// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "ProgramIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        // Named as PNG, so that the reader does not ask every image plugin first.
        QImageReader reader(QStringLiteral(":/icons/ee.torvamik.Torvamik-%1.png").arg(size), "png");
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
