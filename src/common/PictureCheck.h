// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "JpegCheck.h"
#include "PictureHeaders.h"

// The formats every port shows; every other file is refused alike (run-time error 481), however
// well a platform's own decoders could read it.
enum class PictureFormat { refused, jpeg, png, gif, bmp, webp };

// The one decision about a picture file that every port makes before any decoder runs: its format
// from its first bytes; whether it runs to its end; and whether the picture rule (PictureRule.h)
// lets it through, with the size a PNG, GIF, BMP or WebP header gives, as they decode at full size.
struct PictureCheck {
    PictureFormat format = PictureFormat::refused;
    // The memory the rule counts for decoding it: a JPEG's walk says (see JpegCheck), the other
    // formats take 4 bytes a pixel.
    std::int64_t workingBytes = 0;
    // A JPEG's EXIF orientation and description (see JpegCheck); 1 and empty for the others.
    int orientation = 1;
    std::string description;
};

PictureCheck jpegPicture(const JpegCheck& jpeg);
PictureCheck fullSizePicture(PictureFormat format, const PictureSize& size);

// One reading of a whole stream from its start (see JpegWalk.h for the source).
template <typename ByteSource>
PictureCheck checkPicture(ByteSource& in) {
    std::string head;
    const auto startsWith = [&in, &head](std::string_view magic) {
        while (head.size() < magic.size()) {
            const int byte = in.next();
            if (byte < 0) return false;
            head.push_back(static_cast<char>(byte));
        }
        return std::string_view(head).substr(0, magic.size()) == magic;
    };
    using namespace pictureHeaders;
    if (startsWith("\xFF\xD8")) {
        JpegHeaderReader reader;
        const bool complete = isCompleteJpegStream(in, reader);
        return jpegPicture(reader.result(complete));
    }
    if (startsWith("BM")) return fullSizePicture(PictureFormat::bmp, readBmp(in));
    if (startsWith("RIFF")) return fullSizePicture(PictureFormat::webp, readWebp(in));
    if (startsWith("GIF87a") || startsWith("GIF89a")) {
        return fullSizePicture(PictureFormat::gif, readGif(in));
    }
    if (startsWith("\x89PNG\r\n\x1A\n")) return fullSizePicture(PictureFormat::png, readPng(in));
    return {};
}

PictureCheck checkPicture(const unsigned char* data, std::size_t size);
