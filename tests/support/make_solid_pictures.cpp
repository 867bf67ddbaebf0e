// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// Writes the fourteen solid test pictures into a folder. Usage: make_solid_pictures DIR
#include <cstdio>

#include "SolidPictures.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_solid_pictures DIR\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    return QDir().mkpath(folder) && writeSolidPictures(folder) ? 0 : 1;
}
