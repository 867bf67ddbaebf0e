// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "ExifOrientation.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr std::string_view exifHeader("Exif\0\0", 6);
constexpr unsigned orientationTag = 0x0112;
constexpr unsigned shortType = 3;

// The TIFF structure that follows the header, read in its own byte order; every read is
// checked against its end, so an offset from a crafted file goes nowhere.
class TiffReader {
public:
    explicit TiffReader(std::string_view data) : data_(data) {}

    bool readByteOrder() {
        if (data_.substr(0, 4) == std::string_view("II*\0", 4)) {
            littleEndian_ = true;
            return true;
        }
        return data_.substr(0, 4) == std::string_view("MM\0*", 4);
    }

    // Unsigned number of size bytes at offset, or -1 past the end.
    std::int64_t number(std::uint64_t offset, int size) const {
        if (offset > data_.size() || data_.size() - offset < static_cast<std::uint64_t>(size)) {
            return -1;
        }
        std::int64_t value = 0;
        for (int i = 0; i < size; ++i) {
            const int index = littleEndian_ ? size - 1 - i : i;
            value = (value << 8) | static_cast<unsigned char>(data_[offset + index]);
        }
        return value;
    }

private:
    std::string_view data_;
    bool littleEndian_ = false;
};

}  // namespace

int exifOrientation(std::string_view app1Payload) {
    if (app1Payload.substr(0, exifHeader.size()) != exifHeader) return 0;
    TiffReader tiff(app1Payload.substr(exifHeader.size()));
    if (!tiff.readByteOrder()) return 0;
    // The first directory, twelve bytes an entry: tag, type, count, value.
    const std::int64_t directory = tiff.number(4, 4);
    const std::int64_t entries = directory < 0 ? -1 : tiff.number(directory, 2);
    for (std::int64_t i = 0; i < entries; ++i) {
        const std::uint64_t entry = directory + 2 + 12 * i;
        if (tiff.number(entry, 2) != orientationTag) continue;
        if (tiff.number(entry + 2, 2) != shortType || tiff.number(entry + 4, 4) != 1) return 0;
        const std::int64_t value = tiff.number(entry + 8, 2);
        return value >= 1 && value <= 8 ? static_cast<int>(value) : 0;
    }
    return 0;
}
