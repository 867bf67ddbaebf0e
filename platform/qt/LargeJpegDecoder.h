#pragma once

#include <QImage>
#include <QSize>
#include <cstdint>
#include <optional>

#include "JpegHeader.h"

struct LargeJpegOptions {
    // Entropy-coded data at least this long is decoded by two threads, one from each half.
    std::int64_t splitFromBytes = 2 * 1024 * 1024;
    // Set to whether the second thread's part was used, for whoever wants to know.
    bool* decodedByTwo = nullptr;
};

// Decodes a sequential JPEG straight to the target size from the average colour of each 8×8
// block, which the file holds as one number per block: the rest of every block is only stepped
// over. Used for pictures with at least eight times the target's pixels each way, where this
// gives the same picture as decoding at an eighth and scaling down, in a fraction of the time
// and memory. Nothing comes back when the file is of another kind (progressive, arithmetic-coded,
// CMYK, ...), too small for the target, or its data is not valid; the caller then decodes the
// usual way, which also reports the errors.
std::optional<QImage> decodeLargeJpeg(int fd, QSize targetSize,
                                      const LargeJpegOptions& options = {});

// The same, for a caller that has read the file's header already.
std::optional<QImage> decodeLargeJpeg(int fd, const JpegHeader& header, QSize targetSize,
                                      const LargeJpegOptions& options = {});
