// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// The bytes of a buffer in memory, as the JPEG walks read them: the next byte (-1 past the end),
// a search for the next 0xFF, and a skip that fails past the end.
class MemoryBytes {
public:
    MemoryBytes(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

    int next() { return pos_ < size_ ? data_[pos_++] : -1; }

    int nextFF() {
        const void* found = std::memchr(data_ + pos_, 0xFF, size_ - pos_);
        if (found == nullptr) {
            pos_ = size_;
            return -1;
        }
        pos_ = static_cast<std::size_t>(static_cast<const unsigned char*>(found) - data_) + 1;
        return 0xFF;
    }

    bool skip(std::int64_t count) {
        if (count < 0 || static_cast<std::uint64_t>(count) > size_ - pos_) return false;
        pos_ += static_cast<std::size_t>(count);
        return true;
    }

private:
    const unsigned char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};
