// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Walks a JPEG stream marker by marker as libjpeg reads it, from just after its start marker, and
// tells whether it runs to its end marker. Decoders fill the missing tail of a cut-off JPEG with
// grey and report success, so every port walks a JPEG before decoding it. Bytes between segments
// are skipped, as libjpeg skips them with a warning.
//
// The source gives next() (the next byte, -1 at the end), nextFF() (skips to the next 0xFF and
// gives it, -1 at the end) and skip(count) (false past the end). The reader says which segments
// it wants whole, wants(marker), and gets each of them through read(marker, payload).
template <typename ByteSource, typename SegmentReader>
bool isCompleteJpegStream(ByteSource& in, SegmentReader& reader) {
    const auto isStandalone = [](int marker) {
        return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
    };
    const auto readSegment = [&in, &reader](int marker) {
        const int high = in.next();
        const int low = in.next();
        if (high < 0 || low < 0 || ((high << 8) | low) < 2) return false;
        const int length = ((high << 8) | low) - 2;
        if (!reader.wants(marker)) return in.skip(length);
        std::string payload;
        for (int i = 0; i < length; ++i) {
            const int byte = in.next();
            if (byte < 0) return false;
            payload.push_back(static_cast<char>(byte));
        }
        reader.read(marker, payload);
        return true;
    };
    // The next marker after 0xFF and any fill bytes; 0x00 (a stuffed zero) counts as none.
    const auto nextMarker = [&in] {
        if (in.nextFF() < 0) return -1;
        int marker = in.next();
        while (marker == 0xFF) marker = in.next();
        return marker;
    };

    for (;;) {
        int marker = nextMarker();
        if (marker < 0) return false;
        if (marker == 0xD9) return true;
        if (marker == 0x00 || isStandalone(marker)) continue;
        if (!readSegment(marker)) return false;
        // Entropy-coded data follows a scan header. It ends at the first marker that is neither
        // a stuffed zero nor a restart marker: the next scan of a progressive JPEG, a table, or
        // the end. 0xFF is rare in it, so the source searches for it.
        while (marker == 0xDA) {
            do {
                marker = nextMarker();
            } while (marker == 0x00 || isStandalone(marker));
            if (marker < 0) return false;
            if (marker == 0xD9) return true;
            if (!readSegment(marker)) return false;
        }
    }
}
