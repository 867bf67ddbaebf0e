#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// True when a JPEG stream runs from its start marker to its end marker; false when it is cut off.
// Decoders fill the missing tail of a cut-off JPEG with grey and report success, so the picture
// loaders check this first. The source gives the next byte (-1 at the end), skips to the next
// 0xFF and gives it (-1 at the end), and skips a number of bytes (false past the end). On the
// way, onComment gets the text of every whole comment segment before the picture data, which is
// where a picture's description travels.
template <typename ByteSource, typename OnComment>
bool isCompleteJpegStream(ByteSource& in, OnComment&& onComment) {
    const auto isStandalone = [](int marker) {
        return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
    };
    // The bytes a segment holds after its two-byte length, or -1 when the length is cut off or
    // too small to count itself.
    const auto payloadLength = [&in] {
        const int high = in.next();
        const int low = in.next();
        if (high < 0 || low < 0) return -1;
        const int length = (high << 8) | low;
        return length >= 2 ? length - 2 : -1;
    };
    const auto skipSegment = [&in, &payloadLength] {
        const int length = payloadLength();
        return length >= 0 && in.skip(length);
    };
    const auto readComment = [&in, &onComment, &payloadLength] {
        const int length = payloadLength();
        if (length < 0) return false;
        std::string text;
        for (int i = 0; i < length; ++i) {
            const int byte = in.next();
            if (byte < 0) return false;
            text.push_back(static_cast<char>(byte));
        }
        onComment(std::string_view(text));
        return true;
    };
    if (in.next() != 0xFF || in.next() != 0xD8) return false;
    bool pictureData = false;
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
        if (marker == 0xFE && !pictureData) {
            if (!readComment()) return false;
        } else if (!skipSegment()) {
            return false;
        }
        byte = in.next();
        if (marker != 0xDA) continue;
        pictureData = true;
        // Entropy-coded data follows a scan header; it ends at the first marker that is neither a
        // stuffed zero nor a restart marker. 0xFF is rare in it, so the source searches for it.
        for (;;) {
            if (byte >= 0 && byte != 0xFF) byte = in.nextFF();
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
            if (!skipSegment()) return false;
            byte = in.next();
            if (next != 0xDA) break;
        }
    }
    return false;
}
