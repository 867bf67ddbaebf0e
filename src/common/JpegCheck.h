// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "JpegWalk.h"
#include "PictureRule.h"

// What one walk over a picture file tells every port before it decodes the file.
struct JpegCheck {
    // Starts as a JPEG; anything else is left to the decoder.
    bool isJpeg = false;
    // A JPEG the program refuses as no readable picture: cut off before its end marker, without
    // a usable frame header, or over the picture rule's memory.
    bool rejected = false;
    // The memory the picture rule counts for decoding it.
    std::int64_t workingBytes = 0;
    // EXIF orientation 1 to 8; 1 when the file has none.
    int orientation = 1;
    // The picture's own description (see JpegDescription.h), empty when it has none.
    std::string description;
};

// Reads, of the segments the walk passes, what JpegCheck needs: the frame header, the first scan
// header, and before the picture data the first description comment and the first EXIF segment
// that gives an orientation.
class JpegHeaderReader {
public:
    bool wants(int marker) const;
    void read(int marker, std::string_view payload);
    JpegCheck result(bool complete) const;

private:
    void readFrame(int marker, std::string_view payload);
    void readFirstScan(std::string_view payload);

    bool pictureData_ = false;
    bool progressive_ = false;
    bool frameValid_ = false;
    bool scanValid_ = false;
    int firstScanComponents_ = 0;
    int orientation_ = 0;
    std::optional<std::string> description_;
    JpegFrame frame_;
};

// One walk over a whole stream from its start (see JpegWalk.h for the source).
template <typename ByteSource>
JpegCheck checkJpeg(ByteSource& in) {
    if (in.next() != 0xFF || in.next() != 0xD8) return {};
    JpegHeaderReader reader;
    const bool complete = isCompleteJpegStream(in, reader);
    return reader.result(complete);
}
