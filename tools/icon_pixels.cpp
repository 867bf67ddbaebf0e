// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// Writes square PNG files as a C++ header of premultiplied ARGB pixels, so that the Qt program
// sets its window icon without an image reader, which would load Qt's image-format plugins and
// their libraries before the first paint.
// Usage: icon_pixels OUTPUT.h SQUARE_PNG...
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.h SQUARE_PNG...\n", argv[0]);
        return 2;
    }
    std::string arrays, table;
    for (int i = 2; i < argc; ++i) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[i]), "png")
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "%s: %s cannot be read as a square PNG\n", argv[0], argv[i]);
            return 1;
        }
        const std::string name = "pixels" + std::to_string(image.width());
        arrays += "constexpr std::uint32_t " + name + "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            arrays += "\n   ";
            for (int x = 0; x < image.width(); ++x) {
                char value[16];
                std::snprintf(value, sizeof value, " 0x%08xu,", row[x]);
                arrays += value;
            }
        }
        arrays += "\n};\n";
        table += "    {" + std::to_string(image.width()) + ", " + name + "},\n";
    }
    std::ofstream output(argv[1], std::ios::trunc);
    output << "// Written by icon_pixels from the icon's PNG files.\n#pragma once\n\n"
           << "#include <cstdint>\n\nnamespace {\n\n"
           << "struct IconPixels {\n    int size;\n    const std::uint32_t* argb;\n};\n\n"
           << arrays << "\nconstexpr IconPixels iconPixels[] = {\n"
           << table << "};\n\n}  // namespace\n";
    output.close();
    if (!output) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
