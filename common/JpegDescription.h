#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A picture's description travels in a JPEG comment (COM) segment before the picture data, as Qt
// writes QImage::setText("Description", ...) and reads it back: "Description: text", or a comment
// with no "Key: " in front of it at all. The first such comment is the picture's description.
// A description never fails a picture: a comment that is not UTF-8, holds control characters or
// is cut off gives no description, and the picture is read as if it had none.

// The most bytes of UTF-8 a description keeps; a longer one is cut after the last whole letter.
inline constexpr std::size_t maxDescriptionBytes = 1000;

// The description one comment gives: nothing when the comment is another key's text, an empty
// string when it is a description that cannot be used, otherwise its text with every run of
// white space made one space and the ends trimmed, cut to maxDescriptionBytes.
std::optional<std::string> descriptionInComment(std::string_view comment);

// The description of a JPEG stream, read from its start up to the picture data; empty when it has
// none. The source is the one isCompleteJpegStream reads (next and skip are used).
template <typename ByteSource>
std::string readJpegDescription(ByteSource& in) {
    if (in.next() != 0xFF || in.next() != 0xD8) return {};
    for (;;) {
        if (in.next() != 0xFF) return {};
        int marker = in.next();
        while (marker == 0xFF) marker = in.next();  // fill bytes before a marker
        if (marker < 0 || marker == 0xD9 || marker == 0xDA) return {};       // end or picture data
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
        const int high = in.next();
        const int low = in.next();
        if (high < 0 || low < 0) return {};
        const int length = (high << 8) | low;
        if (length < 2) return {};
        if (marker != 0xFE) {
            if (!in.skip(std::int64_t{length} - 2)) return {};
            continue;
        }
        std::string comment;
        comment.reserve(static_cast<std::size_t>(length - 2));
        for (int i = 2; i < length; ++i) {
            const int byte = in.next();
            if (byte < 0) return {};
            comment.push_back(static_cast<char>(byte));
        }
        if (std::optional<std::string> description = descriptionInComment(comment)) {
            return *description;
        }
    }
}

// The same over a whole file in memory, for the ports that read the file at once.
std::string jpegDescription(const unsigned char* data, std::size_t size);
