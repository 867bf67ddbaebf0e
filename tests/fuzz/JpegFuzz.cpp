// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// Fuzzes what every port runs on a picture file a player drops into the folder: the decision on
// its format, with the JPEG walk and the other formats' headers, the picture rule, the EXIF
// orientation and the description, read from memory as Windows and the web do and through the
// stream reader Qt uses, at a block size the input picks. Both readings must agree, and a
// description must be UTF-8 of at most 1000 bytes without control characters, which the reader
// gives back unchanged.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>

#include "JpegDescription.h"
#include "PictureCheck.h"
#include "StreamBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const PictureCheck fromMemory = checkPicture(data, size);

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
    const PictureCheck fromStream = checkPicture(stream);

    const auto fields = [](const PictureCheck& check) {
        return std::tie(check.format, check.workingBytes, check.orientation, check.description);
    };
    if (fields(fromMemory) != fields(fromStream)) std::abort();
    if (fromMemory.description.size() > maxDescriptionBytes) std::abort();
    // A clean description reads back as itself; one with bad UTF-8 or a control character not.
    if (descriptionInComment("Description: " + fromMemory.description) != fromMemory.description) {
        std::abort();
    }
    if (fromMemory.orientation < 1 || fromMemory.orientation > 8) std::abort();
    return 0;
}
