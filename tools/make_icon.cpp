// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// Draws the program's Windows icon: a small window with a cyan title bar, as three images
// (32x32 in 2 colours, 32x32 in 16 colours, 16x16 in 16 colours), and writes it as an .ico file.
// Usage: make_icon OUTPUT.ico
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

// The standard 16-colour palette, in the order the 4-bit images index it.
enum Colour : std::uint8_t { Black = 0, Teal = 6, Silver = 7, Grey = 8, Cyan = 14, White = 15 };
constexpr std::array<std::array<std::uint8_t, 3>, 16> vgaPalette{{{0, 0, 0},
                                                                  {128, 0, 0},
                                                                  {0, 128, 0},
                                                                  {128, 128, 0},
                                                                  {0, 0, 128},
                                                                  {128, 0, 128},
                                                                  {0, 128, 128},
                                                                  {192, 192, 192},
                                                                  {128, 128, 128},
                                                                  {255, 0, 0},
                                                                  {0, 255, 0},
                                                                  {255, 255, 0},
                                                                  {0, 0, 255},
                                                                  {255, 0, 255},
                                                                  {0, 255, 255},
                                                                  {255, 255, 255}}};
constexpr std::uint8_t transparent = 0xFF;

struct Image {
    int size;
    int bitCount;                      // 1 or 4
    std::vector<std::uint8_t> pixels;  // palette indexes, top row first; transparent outside
};

// The window picture at either size: a black frame, a cyan title bar with a dark rule below it
// and a close box at its right end, and a white client area.
Image drawWindow(int size, int bitCount) {
    Image image{size, bitCount, std::vector<std::uint8_t>(size * size, transparent)};
    const bool large = size == 32;
    const int left = large ? 1 : 0;
    const int right = large ? 30 : 15;
    const int top = large ? 3 : 1;
    const int bottom = large ? 28 : 14;
    const int barBottom = top + (large ? 6 : 3);
    const bool twoColour = bitCount == 1;
    auto set = [&](int x, int y, std::uint8_t colour) { image.pixels[y * size + x] = colour; };
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool frame = x == left || x == right || y == top || y == bottom;
            std::uint8_t colour = White;
            if (frame)
                colour = Black;
            else if (y == barBottom)
                colour = twoColour ? Black : Teal;
            else if (y < barBottom)
                colour = twoColour ? Black : Cyan;
            set(x, y, colour);
        }
    }
    // The close box: a light square near the right end of the title bar.
    const int box = large ? 4 : 1;
    for (int y = top + 1 + (large ? 1 : 0); y < top + 1 + (large ? 1 : 0) + box; ++y) {
        for (int x = right - 1 - box - (large ? 1 : 0); x < right - 1 - (large ? 1 : 0); ++x) {
            set(x, y, twoColour ? White : Silver);
        }
    }
    if (!twoColour && large) {
        // A shadow line inside the client area's top edge.
        for (int x = left + 1; x < right; ++x) set(x, barBottom + 1, Grey);
    }
    return image;
}

void put16(std::vector<std::uint8_t>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}
void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

int rowBytes(int width, int bitCount) {
    return ((width * bitCount + 31) / 32) * 4;
}

// One image as stored in an icon file: a DIB header of double height, the palette, the colour
// rows and the transparency mask, both bottom row first.
std::vector<std::uint8_t> encode(const Image& image) {
    const int colours = 1 << image.bitCount;
    const int colourRow = rowBytes(image.size, image.bitCount);
    const int maskRow = rowBytes(image.size, 1);
    std::vector<std::uint8_t> out;
    put32(out, 40);
    put32(out, image.size);
    put32(out, image.size * 2);
    put16(out, 1);
    put16(out, image.bitCount);
    put32(out, 0);
    put32(out, (colourRow + maskRow) * image.size);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int index = 0; index < colours; ++index) {
        const auto& rgb =
            image.bitCount == 1 ? vgaPalette[index == 0 ? Black : White] : vgaPalette[index];
        out.insert(out.end(), {rgb[2], rgb[1], rgb[0], 0});
    }
    for (int y = image.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(colourRow, 0);
        for (int x = 0; x < image.size; ++x) {
            std::uint8_t value = image.pixels[y * image.size + x];
            if (value == transparent) value = 0;
            if (image.bitCount == 1) {
                if (value == White) row[x / 8] |= 0x80 >> (x % 8);
            } else {
                row[x / 2] |= (x % 2 == 0) ? value << 4 : value;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = image.size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < image.size; ++x) {
            if (image.pixels[y * image.size + x] == transparent) row[x / 8] |= 0x80 >> (x % 8);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::uint8_t> buildIcon() {
    const std::array<Image, 3> images{drawWindow(32, 1), drawWindow(32, 4), drawWindow(16, 4)};
    std::vector<std::uint8_t> file;
    put16(file, 0);
    put16(file, 1);  // icon
    put16(file, images.size());
    std::vector<std::vector<std::uint8_t>> encoded;
    std::uint32_t offset = 6 + 16 * images.size();
    for (const Image& image : images) {
        encoded.push_back(encode(image));
        file.push_back(static_cast<std::uint8_t>(image.size));
        file.push_back(static_cast<std::uint8_t>(image.size));
        file.push_back(static_cast<std::uint8_t>(1 << image.bitCount));
        file.push_back(0);
        put16(file, 1);
        put16(file, image.bitCount);
        put32(file, encoded.back().size());
        put32(file, offset);
        offset += encoded.back().size();
    }
    for (const auto& bytes : encoded) file.insert(file.end(), bytes.begin(), bytes.end());
    return file;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
        return 2;
    }
    const std::vector<std::uint8_t> icon = buildIcon();
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(icon.data()),
              static_cast<std::streamsize>(icon.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_icon: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
