#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A window of a file read with pread, so that two threads can read one descriptor at once and
// only the window, never the whole file, is resident.
class FileWindow {
public:
    FileWindow(int fd, std::int64_t fileSize, std::int64_t start, std::size_t capacity = 1 << 20);

    const std::uint8_t* begin() const { return data_.data() + offset_; }
    const std::uint8_t* end() const { return data_.data() + length_; }
    // The file offset of a byte in the window.
    std::int64_t fileOffset(const std::uint8_t* p) const {
        return windowStart_ + (p - data_.data());
    }

    // Moves the window so that it starts at p (which must be in the window) and reads on; false
    // when nothing could be added because the file ends.
    bool advance(const std::uint8_t* p);

private:
    int fd_;
    std::int64_t fileSize_;
    std::int64_t windowStart_;
    std::size_t offset_ = 0;
    std::size_t length_ = 0;
    std::vector<std::uint8_t> data_;
};

// A Huffman table as the file gives it: how many codes of each length, and their symbols.
struct HuffmanDefinition {
    std::array<std::uint8_t, 16> counts{};
    std::vector<std::uint8_t> symbols;
};

struct JpegComponent {
    int id = 0;
    int h = 1;  // sampling factors
    int v = 1;
    int quantTable = 0;
    int dcTable = 0;  // from the scan header
    int acTable = 0;
};

// What a sequential Huffman-coded JPEG with one scan over all its components needs to be decoded.
struct JpegHeader {
    int width = 0;
    int height = 0;
    std::vector<JpegComponent> components;  // in scan order
    std::array<std::optional<std::array<std::uint16_t, 64>>, 4> quantTables;
    std::array<std::optional<HuffmanDefinition>, 4> dcTables;
    std::array<std::optional<HuffmanDefinition>, 4> acTables;
    int restartInterval = 0;
    std::int64_t scanStart = 0;  // file offset of the first entropy-coded byte
};

// Reads the markers up to the first scan. Nothing comes back for a file this decoder does not
// handle: progressive, lossless or arithmetic-coded, other than 8 bits, not one or three
// components, RGB or CMYK rather than YCbCr, or a first scan that does not hold every component.
std::optional<JpegHeader> readJpegHeader(int fd, std::int64_t fileSize);
