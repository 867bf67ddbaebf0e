// Writes the icon's PNG sizes as C++ arrays of premultiplied ARGB pixels, so that the program
// shows its icon without decoding PNG while it starts.
// Usage: torvamik_icon_pixels OUTPUT.cpp SQUARE_PNG...
#include <QImage>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp SQUARE_PNG...\n", argv[0]);
        return 2;
    }
    std::string arrays;
    std::string table;
    for (int i = 2; i < argc; ++i) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[i]), "png")
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "%s: %s is not a square PNG\n", argv[0], argv[i]);
            return 1;
        }
        const std::string name = "pixels" + std::to_string(i - 2);
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
        arrays += "\n};\n\n";
        table += "    {" + std::to_string(image.width()) + ", " + name + "},\n";
    }
    std::ofstream output(argv[1], std::ios::trunc);
    output << "// Written by torvamik_icon_pixels from the icon's PNG files.\n"
           << "#include \"ProgramIconPixels.h\"\n\nnamespace {\n\n"
           << arrays << "}  // namespace\n\n"
           << "const IconPixels programIconPixels[programIconSizes] = {\n"
           << table << "};\n";
    output.close();
    if (!output) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
