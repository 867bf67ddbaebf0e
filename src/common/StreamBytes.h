// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// The bytes of a stream, read a block at a time, as the JPEG walk reads them (see JpegWalk.h), so
// that a port can walk a file without holding it whole. readBlock(buffer, capacity) fills the
// buffer and gives the number of bytes it read, 0 at the end.
template <typename ReadBlock>
class StreamBytes {
public:
    explicit StreamBytes(ReadBlock readBlock, std::size_t blockSize = 64 * 1024)
        : readBlock_(readBlock), block_(blockSize) {}

    int next() { return pos_ < size_ || refill() ? block_[pos_++] : -1; }

    // Entropy-coded data makes up most of a picture file and 0xFF is rare in it, so this
    // searches a block at a time.
    int nextFF() {
        while (pos_ < size_ || refill()) {
            const void* found = std::memchr(block_.data() + pos_, 0xFF, size_ - pos_);
            if (found != nullptr) {
                pos_ = static_cast<std::size_t>(static_cast<const unsigned char*>(found) -
                                                block_.data()) +
                       1;
                return 0xFF;
            }
            pos_ = size_;
        }
        return -1;
    }

    bool skip(std::int64_t count) {
        while (count > 0) {
            if (pos_ == size_ && !refill()) return false;
            const std::size_t step = std::min(static_cast<std::uint64_t>(count),
                                              static_cast<std::uint64_t>(size_ - pos_));
            pos_ += step;
            count -= static_cast<std::int64_t>(step);
        }
        return count == 0;
    }

private:
    bool refill() {
        size_ = readBlock_(block_.data(), block_.size());
        pos_ = 0;
        return size_ > 0;
    }

    ReadBlock readBlock_;
    std::vector<unsigned char> block_;
    std::size_t size_ = 0;
    std::size_t pos_ = 0;
};
