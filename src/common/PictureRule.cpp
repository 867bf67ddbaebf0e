// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureRule.h"

#include <algorithm>

std::int64_t ceilDiv(std::int64_t value, std::int64_t divisor) {
    return (value + divisor - 1) / divisor;
}

namespace {

std::int64_t roundUp(std::int64_t value, std::int64_t multiple) {
    return ceilDiv(value, multiple) * multiple;
}

std::int64_t outputBytesAtOneEighth(const JpegFrame& frame) {
    return jpegOutputBytes(frame.width, frame.height, 1);
}

std::int64_t jpegCoefficientBytes(const JpegFrame& frame) {
    int maxHorizontal = 1;
    int maxVertical = 1;
    for (const JpegFrame::Component& component : frame.components) {
        maxHorizontal = std::max(maxHorizontal, component.horizontalSampling);
        maxVertical = std::max(maxVertical, component.verticalSampling);
    }
    // As libjpeg sizes them: each component's 8 x 8 blocks, padded to whole sampling units, at
    // 64 coefficients of 2 bytes.
    std::int64_t bytes = 0;
    for (const JpegFrame::Component& component : frame.components) {
        const std::int64_t columns =
            roundUp(ceilDiv(ceilDiv(frame.width * component.horizontalSampling, maxHorizontal), 8),
                    component.horizontalSampling);
        const std::int64_t rows =
            roundUp(ceilDiv(ceilDiv(frame.height * component.verticalSampling, maxVertical), 8),
                    component.verticalSampling);
        bytes += columns * rows * 64 * 2;
    }
    return bytes;
}

}  // namespace

std::int64_t jpegOutputBytes(std::int64_t width, std::int64_t height, int eighths) {
    return ceilDiv(width * eighths, 8) * ceilDiv(height * eighths, 8) * 4;
}

std::int64_t jpegWorkingBytes(const JpegFrame& frame) {
    return outputBytesAtOneEighth(frame) +
           (frame.wholeImageBuffers ? jpegCoefficientBytes(frame) : 0);
}

bool jpegFits(const JpegFrame& frame) {
    return outputBytesAtOneEighth(frame) <= maxJpegOutputBytes &&
           (!frame.wholeImageBuffers || jpegCoefficientBytes(frame) <= maxJpegCoefficientBytes);
}

bool fullSizePictureFits(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= maxFullSizePixels / height;
}
