// Fuzzes what every port runs on a picture file a player drops into the folder: the JPEG walk
// with the picture rule, the EXIF orientation and the description, read from memory as Windows
// and the web do and through the stream reader Qt uses, at a block size the input picks. Both
// readings must agree, and a description must be UTF-8 of at most 1000 bytes without control
// characters.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "JpegCheck.h"
#include "JpegDescription.h"
#include "StreamBytes.h"

namespace {

// Checked apart from the reader's own code: a control character is below U+0020, U+007F or in
// U+0080 to U+009F; everything else must decode as the shortest UTF-8 of a scalar value.
bool isCleanUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const unsigned char lead = byte(i);
        const std::size_t length = lead < 0x80       ? 1
                                   : lead >> 5 == 6  ? 2
                                   : lead >> 4 == 14 ? 3
                                   : lead >> 3 == 30 ? 4
                                                     : 0;
        if (length == 0 || i + length > text.size()) return false;
        char32_t value = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            if (byte(i + k) >> 6 != 2) return false;
            value = (value << 6) | (byte(i + k) & 0x3F);
        }
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF) ||
            value < 0x20 || (value >= 0x7F && value <= 0x9F)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool same(const JpegCheck& a, const JpegCheck& b) {
    return a.isJpeg == b.isJpeg && a.rejected == b.rejected && a.workingBytes == b.workingBytes &&
           a.orientation == b.orientation && a.description == b.description;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const JpegCheck fromMemory = checkJpeg(data, size);

    std::size_t at = 0;
    const std::size_t blockSize = size == 0 ? 1 : 1 + data[size / 2] * 257 % 70000;
    StreamBytes stream(
        [&](unsigned char* buffer, std::size_t capacity) {
            const std::size_t count = std::min(capacity, size - at);
            std::memcpy(buffer, data + at, count);
            at += count;
            return count;
        },
        blockSize);
    const JpegCheck fromStream = checkJpeg(stream);

    if (!same(fromMemory, fromStream)) std::abort();
    if (fromMemory.description.size() > maxDescriptionBytes) std::abort();
    if (!isCleanUtf8(fromMemory.description)) std::abort();
    if (fromMemory.orientation < 1 || fromMemory.orientation > 8) std::abort();
    return 0;
}
