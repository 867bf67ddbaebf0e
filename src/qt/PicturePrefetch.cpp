// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PicturePrefetch.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <utility>

namespace {

// A file's times have a coarse grain on some file systems: a file changed within this time before
// it was read might change again with the same times and size. Such a file is read again when
// shown.
constexpr auto settledAfter = std::chrono::seconds(2);

// A read ahead may run beside the load of the picture due now, so it takes on only pictures
// that decode in little memory; a larger one is read when shown, with the machine to itself.
constexpr std::int64_t readAheadWorkingBytes = 64LL * 1024 * 1024;

}  // namespace

PicturePrefetch::~PicturePrefetch() {
    waitForReads();
}

void PicturePrefetch::waitForReads() const {
    for (const Read& read : reads_) read.result.wait();
}

void PicturePrefetch::start(const std::string& fileName, QSize targetSize) {
    const bool reading = std::any_of(reads_.begin(), reads_.end(), [&](const Read& read) {
        return read.fileName == fileName && read.targetSize == targetSize;
    });
    if (reading) return;
    try {
        reads_.push_back({fileName, targetSize,
                          std::async(std::launch::async, readAhead, fileName, targetSize)});
    } catch (...) {
        // No thread, or no memory for one: the picture is read when shown.
    }
}

PicturePrefetch::Result PicturePrefetch::readAhead(const std::string& fileName, QSize targetSize) {
    Result result;
    const auto start = std::chrono::system_clock::now();
    try {
        result.picture = loadPicture(fileName, targetSize, &result.identity, readAheadWorkingBytes);
    } catch (...) {
        // Whatever went wrong happens again, and is reported, when the picture is shown.
    }
    const long long settledNs =
        std::chrono::nanoseconds(start.time_since_epoch() - settledAfter).count();
    if (result.identity.modifiedNs > settledNs) result.picture = QImage();
    return result;
}

QImage PicturePrefetch::take(std::string_view fileName, QSize targetSize) {
    const auto read = std::find_if(reads_.begin(), reads_.end(), [&](const Read& candidate) {
        return candidate.fileName == fileName && candidate.targetSize == targetSize;
    });
    if (read == reads_.end()) return {};
    Result result = read->result.get();
    reads_.erase(read);
    if (result.picture.isNull() || currentPictureFile(fileName) != result.identity) return {};
    return std::move(result.picture);
}
