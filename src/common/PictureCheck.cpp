// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureCheck.h"

#include "MemoryBytes.h"
#include "PictureRule.h"

PictureCheck jpegPicture(const JpegCheck& jpeg) {
    if (jpeg.rejected) return {};
    return {PictureFormat::jpeg, jpeg.workingBytes, jpeg.orientation, jpeg.description};
}

PictureCheck fullSizePicture(PictureFormat format, const PictureSize& size) {
    if (!size.complete || !fullSizePictureFits(size.width, size.height)) return {};
    return {format, size.width * size.height * 4, 1, {}};
}

PictureCheck checkPicture(const unsigned char* data, std::size_t size) {
    MemoryBytes in(data, size);
    return checkPicture(in);
}
