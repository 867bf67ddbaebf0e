// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "JpegCheck.h"

#include "ExifOrientation.h"
#include "JpegDescription.h"

namespace {

constexpr int startOfScan = 0xDA;
constexpr int comment = 0xFE;
constexpr int app1 = 0xE1;

// Frame headers are 0xC0 to 0xCF, but for the Huffman (0xC4) and arithmetic (0xCC) tables and
// the reserved 0xC8.
bool isFrameHeader(int marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool isProgressive(int marker) {
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

unsigned byteAt(std::string_view payload, std::size_t index) {
    return static_cast<unsigned char>(payload[index]);
}

}  // namespace

bool JpegHeaderReader::wants(int marker) const {
    if (isFrameHeader(marker)) return !frameValid_;
    if (marker == startOfScan) return !pictureData_;
    if (marker == comment) return !pictureData_ && !description_;
    return marker == app1 && !pictureData_ && orientation_ == 0;
}

void JpegHeaderReader::read(int marker, std::string_view payload) {
    if (isFrameHeader(marker)) {
        readFrame(marker, payload);
    } else if (marker == startOfScan) {
        readFirstScan(payload);
    } else if (marker == comment) {
        description_ = descriptionInComment(payload);
    } else {
        orientation_ = exifOrientation(payload);
    }
}

// Precision, height, width, then a component count and three bytes a component: its id, its
// sampling factors (1 to 4 each) and its quantisation table.
void JpegHeaderReader::readFrame(int marker, std::string_view payload) {
    if (payload.size() < 6) return;
    const std::size_t components = byteAt(payload, 5);
    if (components < 1 || components > 10 || payload.size() < 6 + 3 * components) return;
    frame_.height = (byteAt(payload, 1) << 8) | byteAt(payload, 2);
    frame_.width = (byteAt(payload, 3) << 8) | byteAt(payload, 4);
    frame_.components.clear();
    for (std::size_t i = 0; i < components; ++i) {
        const unsigned sampling = byteAt(payload, 6 + 3 * i + 1);
        const int horizontal = static_cast<int>(sampling >> 4);
        const int vertical = static_cast<int>(sampling & 0x0F);
        if (horizontal < 1 || horizontal > 4 || vertical < 1 || vertical > 4) return;
        frame_.components.push_back({horizontal, vertical});
    }
    progressive_ = isProgressive(marker);
    frameValid_ = frame_.width > 0 && frame_.height > 0;
}

void JpegHeaderReader::readFirstScan(std::string_view payload) {
    pictureData_ = true;
    if (payload.empty()) return;
    firstScanComponents_ = static_cast<int>(byteAt(payload, 0));
    scanValid_ = firstScanComponents_ >= 1;
}

JpegCheck JpegHeaderReader::result(bool complete) const {
    JpegFrame frame = frame_;
    frame.wholeImageBuffers =
        progressive_ || firstScanComponents_ < static_cast<int>(frame.components.size());
    JpegCheck check;
    check.isJpeg = true;
    check.rejected = !complete || !frameValid_ || !scanValid_ || !jpegFits(frame);
    check.workingBytes = frameValid_ ? jpegWorkingBytes(frame) : 0;
    check.orientation = orientation_ == 0 ? 1 : orientation_;
    check.description = description_.value_or(std::string());
    return check;
}
