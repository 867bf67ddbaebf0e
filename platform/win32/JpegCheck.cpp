#include "JpegCheck.h"

namespace {

// Sequential bytes of a buffer; -1 past the end.
class ByteReader {
public:
    ByteReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    int next() { return pos_ < size_ ? data_[pos_++] : -1; }

    // Reads a segment length and skips the segment's body.
    bool skipSegment() {
        const int high = next();
        const int low = next();
        if (high < 0 || low < 0) return false;
        const std::size_t length = static_cast<std::size_t>((high << 8) | low);
        if (length < 2 || length - 2 > size_ - pos_) return false;
        pos_ += length - 2;
        return true;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

bool isStandalone(int marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

}  // namespace

bool isCompleteJpeg(const unsigned char* data, std::size_t size) {
    ByteReader in(data, size);
    if (in.next() != 0xFF || in.next() != 0xD8) return false;
    int byte = in.next();
    while (byte == 0xFF) {
        int marker = in.next();
        while (marker == 0xFF) marker = in.next();  // fill bytes before a marker
        if (marker < 0) return false;
        if (marker == 0xD9) return true;  // end of image
        if (isStandalone(marker)) {
            byte = in.next();
            continue;
        }
        if (!in.skipSegment()) return false;
        byte = in.next();
        if (marker != 0xDA) continue;
        // Entropy-coded data follows a scan header; it ends at the first marker that is neither a
        // stuffed zero nor a restart marker.
        for (;;) {
            while (byte >= 0 && byte != 0xFF) byte = in.next();
            if (byte < 0) return false;
            int next = in.next();
            while (next == 0xFF) next = in.next();
            if (next < 0) return false;
            if (next == 0x00 || isStandalone(next)) {
                byte = in.next();
                continue;
            }
            if (next == 0xD9) return true;
            // Another segment (the next scan of a progressive JPEG, a table): read on.
            if (!in.skipSegment()) return false;
            byte = in.next();
            if (next != 0xDA) break;
        }
    }
    return false;
}
