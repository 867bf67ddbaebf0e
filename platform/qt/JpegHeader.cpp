#include "JpegHeader.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

FileWindow::FileWindow(int fd, std::int64_t fileSize, std::int64_t start, std::size_t capacity)
    : fd_(fd), fileSize_(fileSize), windowStart_(start), data_(capacity) {
    advance(begin());
}

bool FileWindow::advance(const std::uint8_t* p) {
    const std::size_t from = static_cast<std::size_t>(p - data_.data());
    const std::size_t keep = length_ - from;
    std::memmove(data_.data(), p, keep);
    windowStart_ += static_cast<std::int64_t>(from);
    length_ = keep;
    std::size_t added = 0;
    while (length_ < data_.size()) {
        const std::int64_t at = windowStart_ + static_cast<std::int64_t>(length_);
        if (at >= fileSize_) break;
        const std::size_t wanted =
            std::min<std::size_t>(data_.size() - length_, static_cast<std::size_t>(fileSize_ - at));
        const ssize_t got = ::pread(fd_, data_.data() + length_, wanted, at);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        length_ += static_cast<std::size_t>(got);
        added += static_cast<std::size_t>(got);
    }
    return added > 0;
}

namespace {

// Reads the file byte by byte through a window; -1 past its end.
class ByteCursor {
public:
    ByteCursor(int fd, std::int64_t fileSize) : window_(fd, fileSize, 0, 64 * 1024) {}

    int next() {
        if (p_ == window_.end()) {
            if (!window_.advance(p_)) return -1;
            p_ = window_.begin();
        }
        return *p_++;
    }

    int next16() {
        const int high = next();
        const int low = next();
        return high < 0 || low < 0 ? -1 : (high << 8) | low;
    }

    bool read(std::vector<std::uint8_t>& bytes, std::size_t count) {
        bytes.resize(count);
        for (std::uint8_t& byte : bytes) {
            const int value = next();
            if (value < 0) return false;
            byte = static_cast<std::uint8_t>(value);
        }
        return true;
    }

    bool skip(std::int64_t count) {
        while (count > 0) {
            const std::int64_t available = window_.end() - p_;
            if (available == 0) {
                if (!window_.advance(p_)) return false;
                p_ = window_.begin();
                continue;
            }
            const std::int64_t step = std::min(available, count);
            p_ += step;
            count -= step;
        }
        return true;
    }

    std::int64_t offset() const { return window_.fileOffset(p_); }

private:
    FileWindow window_;
    const std::uint8_t* p_ = window_.begin();
};

bool readQuantTables(const std::vector<std::uint8_t>& segment, JpegHeader& header) {
    std::size_t at = 0;
    while (at < segment.size()) {
        const int precision = segment[at] >> 4;
        const int id = segment[at] & 15;
        const std::size_t size = precision == 0 ? 64 : 128;
        if (precision > 1 || id > 3 || at + 1 + size > segment.size()) return false;
        std::array<std::uint16_t, 64> table{};
        for (std::size_t i = 0; i < 64; ++i) {
            table[i] = precision == 0 ? segment[at + 1 + i]
                                      : static_cast<std::uint16_t>((segment[at + 1 + 2 * i] << 8) |
                                                                   segment[at + 2 + 2 * i]);
        }
        header.quantTables[id] = table;
        at += 1 + size;
    }
    return true;
}

bool readHuffmanTables(const std::vector<std::uint8_t>& segment, JpegHeader& header) {
    std::size_t at = 0;
    while (at < segment.size()) {
        const int tableClass = segment[at] >> 4;
        const int id = segment[at] & 15;
        if (tableClass > 1 || id > 3 || at + 17 > segment.size()) return false;
        HuffmanDefinition definition;
        std::size_t total = 0;
        for (std::size_t i = 0; i < 16; ++i) {
            definition.counts[i] = segment[at + 1 + i];
            total += definition.counts[i];
        }
        if (total == 0 || total > 256 || at + 17 + total > segment.size()) return false;
        definition.symbols.assign(segment.begin() + static_cast<std::ptrdiff_t>(at + 17),
                                  segment.begin() + static_cast<std::ptrdiff_t>(at + 17 + total));
        (tableClass == 0 ? header.dcTables : header.acTables)[id] = std::move(definition);
        at += 17 + total;
    }
    return true;
}

bool readFrame(const std::vector<std::uint8_t>& segment, JpegHeader& header) {
    if (segment.size() < 6 || segment[0] != 8) return false;
    header.height = (segment[1] << 8) | segment[2];
    header.width = (segment[3] << 8) | segment[4];
    const std::size_t count = segment[5];
    if (header.width == 0 || header.height == 0 || (count != 1 && count != 3) ||
        segment.size() != 6 + 3 * count) {
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        JpegComponent component;
        component.id = segment[6 + 3 * i];
        component.h = segment[7 + 3 * i] >> 4;
        component.v = segment[7 + 3 * i] & 15;
        component.quantTable = segment[8 + 3 * i];
        if (component.h < 1 || component.h > 4 || component.v < 1 || component.v > 4 ||
            component.quantTable > 3) {
            return false;
        }
        header.components.push_back(component);
    }
    return true;
}

// The scan must cover every component of the frame, in one sequential pass over all
// coefficients; its order is the order the blocks come in.
bool readScan(const std::vector<std::uint8_t>& segment, JpegHeader& header) {
    if (header.components.empty() || segment.empty()) return false;
    const std::size_t count = segment[0];
    if (count != header.components.size() || segment.size() != 4 + 2 * count) return false;
    std::vector<JpegComponent> ordered;
    for (std::size_t i = 0; i < count; ++i) {
        const int id = segment[1 + 2 * i];
        const auto found = std::find_if(header.components.begin(), header.components.end(),
                                        [id](const JpegComponent& c) { return c.id == id; });
        const bool repeated = std::any_of(ordered.begin(), ordered.end(),
                                          [id](const JpegComponent& c) { return c.id == id; });
        if (found == header.components.end() || repeated) return false;
        JpegComponent component = *found;
        component.dcTable = segment[2 + 2 * i] >> 4;
        component.acTable = segment[2 + 2 * i] & 15;
        if (component.dcTable > 3 || component.acTable > 3) return false;
        ordered.push_back(component);
    }
    const std::size_t tail = 1 + 2 * count;
    if (segment[tail] != 0 || segment[tail + 1] != 63 || segment[tail + 2] != 0) return false;
    header.components = std::move(ordered);
    return true;
}

bool isComplete(const JpegHeader& header) {
    int blocksPerMcu = 0;
    for (const JpegComponent& c : header.components) {
        if (!header.quantTables[c.quantTable] || !header.dcTables[c.dcTable] ||
            !header.acTables[c.acTable]) {
            return false;
        }
        blocksPerMcu += c.h * c.v;
    }
    return header.components.size() == 1 || blocksPerMcu <= 10;
}

}  // namespace

std::optional<JpegHeader> readJpegHeader(int fd, std::int64_t fileSize) {
    ByteCursor in(fd, fileSize);
    if (in.next() != 0xFF || in.next() != 0xD8) return std::nullopt;
    JpegHeader header;
    bool jfif = false;
    int adobeTransform = -1;
    bool frameSeen = false;
    std::vector<std::uint8_t> segment;
    for (;;) {
        if (in.next() != 0xFF) return std::nullopt;
        int marker = in.next();
        while (marker == 0xFF) marker = in.next();
        if (marker < 0 || marker == 0xD8 || marker == 0xD9 || marker == 0x01 ||
            (marker >= 0xD0 && marker <= 0xD7)) {
            return std::nullopt;  // no scan, or a stray marker before it
        }
        const int length = in.next16();
        if (length < 2) return std::nullopt;
        const std::size_t size = static_cast<std::size_t>(length - 2);
        const bool wanted = marker == 0xC0 || marker == 0xC1 || marker == 0xC4 || marker == 0xDB ||
                            marker == 0xDD || marker == 0xDA || marker == 0xE0 || marker == 0xEE;
        if (!wanted) {
            // Any other frame type is progressive, lossless, hierarchical or arithmetic-coded.
            if (marker >= 0xC2 && marker <= 0xCF) return std::nullopt;
            if (!in.skip(static_cast<std::int64_t>(size))) return std::nullopt;
            continue;
        }
        if (!in.read(segment, size)) return std::nullopt;
        bool ok = true;
        switch (marker) {
            case 0xC0:
            case 0xC1:
                ok = !frameSeen && readFrame(segment, header);
                frameSeen = true;
                break;
            case 0xC4:
                ok = readHuffmanTables(segment, header);
                break;
            case 0xDB:
                ok = readQuantTables(segment, header);
                break;
            case 0xDD:
                ok = segment.size() == 2;
                if (ok) header.restartInterval = (segment[0] << 8) | segment[1];
                break;
            case 0xE0:
                jfif = jfif || (size >= 5 && std::memcmp(segment.data(), "JFIF\0", 5) == 0);
                break;
            case 0xEE:
                if (size >= 12 && std::memcmp(segment.data(), "Adobe", 5) == 0) {
                    adobeTransform = segment[11];
                }
                break;
            case 0xDA:
                if (!frameSeen || !readScan(segment, header) || !isComplete(header)) {
                    return std::nullopt;
                }
                header.scanStart = in.offset();
                break;
        }
        if (!ok) return std::nullopt;
        if (marker == 0xDA) break;
    }
    if (header.components.size() == 3) {
        // Three components are YCbCr unless the file says they are RGB.
        const bool rgbIds = header.components[0].id == 'R' && header.components[1].id == 'G' &&
                            header.components[2].id == 'B';
        if (adobeTransform == 0 || (!jfif && adobeTransform < 0 && rgbIds)) return std::nullopt;
    }
    return header;
}
