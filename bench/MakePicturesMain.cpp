// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// Writes photo-like JPEG pictures for the benchmarks: a soft landscape of colour gradients with
// fine grain, so that the files are as hard to decode as camera pictures of the size, not flat
// areas that decode for free. The JPEG quality (1-100) sets how large the files come out.
// Usage: torvamik_bench_make_pictures FOLDER WIDTH HEIGHT QUALITY NAME...
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Grain of about ±6 levels from a hash of the position: no pattern the encoder could exploit.
int grain(std::uint32_t x, std::uint32_t y) {
    std::uint32_t h = x * 0x9E3779B1u ^ (y + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return static_cast<int>(h % 13u) - 6;
}

int clampByte(int value) {
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

QImage drawPicture(int width, int height, int hue) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    const QColor sky = QColor::fromHsv(hue % 360, 70, 235);
    const QColor ground = QColor::fromHsv((hue + 120) % 360, 150, 110);
    // A horizon that rolls slowly across the picture, sky above, ground below.
    std::vector<int> horizon(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        horizon[static_cast<std::size_t>(x)] =
            height / 2 + static_cast<int>(height / 10 * std::sin(x * 18.85 / width));
    }
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool above = y < horizon[static_cast<std::size_t>(x)];
            const QColor& base = above ? sky : ground;
            const int shade = above ? y * 60 / height : (height - y) * 80 / height;
            const int g = grain(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
            line[x] = qRgb(clampByte(base.red() - shade + g), clampByte(base.green() - shade + g),
                           clampByte(base.blue() - shade / 2 + g));
        }
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s FOLDER WIDTH HEIGHT QUALITY NAME...\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    const int quality = std::atoi(argv[4]);
    int hue = 0;
    for (int i = 5; i < argc; ++i) {
        const QString path = folder.filePath(QString::fromUtf8(argv[i]));
        QImageWriter writer(path, "jpeg");
        writer.setQuality(quality);
        const QImage image = drawPicture(width, height, hue);
        hue += 37;
        if (image.isNull() || !writer.write(image)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
