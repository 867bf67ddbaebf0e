#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "JpegHeader.h"

// A Huffman table ready for decoding: short codes by one table lookup, longer ones by length.
class HuffmanTable {
public:
    static constexpr int fastBits = 10;

    // Nothing when the lengths describe more codes than fit.
    static std::optional<HuffmanTable> build(const HuffmanDefinition& definition);

    // Code length and symbol of a code of up to fastBits bits, packed as length << 8 | symbol;
    // 0 when the code is longer.
    const std::uint16_t* fastTable() const { return fast_.data(); }
    // For AC tables: the bits one coefficient takes, code and value together, and how far it
    // moves the position in the block (0 for the end of the block), packed as advance << 8 | bits.
    const std::uint16_t* skipTable() const { return skip_.data(); }
    // For AC tables: as many whole coefficients as the next multiBits bits hold, stepped over at
    // once, up to and including an end of block: bits taken | advance << 6 | end of block << 15.
    // Zero when not even one fits.
    static constexpr int multiBits = 12;
    const std::uint16_t* multiTable() const { return multi_.data(); }
    // Decodes any code from the next 16 bits: length << 8 | symbol, or 0 for no code.
    std::uint32_t decodeLong(std::uint32_t next16) const;

private:
    std::vector<std::uint16_t> fast_ = std::vector<std::uint16_t>(1 << fastBits);
    std::vector<std::uint16_t> skip_ = std::vector<std::uint16_t>(1 << fastBits);
    std::vector<std::uint16_t> multi_ = std::vector<std::uint16_t>(1 << multiBits);
    std::array<std::int32_t, 17> maxCode_{};
    std::array<std::int32_t, 17> valueOffset_{};
    std::vector<std::uint8_t> symbols_;
};

// Reads the bits of an entropy-coded segment from a file window: drops the zero after each
// 0xFF, stops at a marker and then yields zeros. Positions count data bits only, so two readers
// that start at different places agree on the position of a bit.
class EntropyReader {
public:
    EntropyReader(int fd, std::int64_t fileSize, std::int64_t start);

    // Notes how many data bytes came before the given file offset once reading passes it.
    void watch(std::int64_t offset) {
        watchOffset_ = offset;
        watchPending_ = true;
        updateQuickLimit();
    }
    std::optional<std::int64_t> dataBytesBeforeWatch() const {
        return watchPending_ ? std::nullopt : std::optional<std::int64_t>(watchDataBytes_);
    }

    // Data bits still to come before a marker; negative once bits past it were used.
    int bitsBeforeMarker() const { return count_ - padding_; }
    int marker() const { return marker_; }  // -1 when the file ends instead
    std::int64_t position() const { return dataBytes_ * 8 - (count_ - padding_); }

    // After the last block before a marker: skips the padding bits and the marker and reads on.
    // False unless the data ends there with the marker that was expected.
    bool passRestartMarker(int expectedMarker);
    // True when only padding is left before the marker that ends the scan.
    bool atEndOfScan() {
        fill();
        return atMarker_ && bitsBeforeMarker() >= 0 && bitsBeforeMarker() < 8;
    }

    void fill();

private:
    friend class DcDecoder;  // decodes with the bit buffer in registers

    // Eight bytes can be read at p_ up to here without passing the window's end or the watched
    // offset; null at a marker.
    void updateQuickLimit();
    const std::uint8_t* quickLimit_ = nullptr;

    // Most of the data has no 0xFF: takes as many whole bytes as fit into a bit buffer holding
    // count <= 56 bits, in one go. False when the next bytes need the careful way.
    bool takeWholeBytes(std::uint64_t& bits, int& count) {
        if (quickLimit_ == nullptr || p_ > quickLimit_) return false;
        std::uint64_t word;
        std::memcpy(&word, p_, 8);
        word = __builtin_bswap64(word);
        const int bytes = (64 - count) >> 3;
        const std::uint64_t taken = bytes == 8 ? ~0ULL : ~(~0ULL >> (8 * bytes));
        const std::uint64_t inverted = ~word;
        if (((inverted - 0x0101010101010101ULL) & ~inverted & 0x8080808080808080ULL & taken) != 0) {
            return false;
        }
        bits |= (word & taken) >> count;
        count += 8 * bytes;
        p_ += bytes;
        dataBytes_ += bytes;
        return true;
    }

    bool refillWindow();
    void slowByte();
    void append(std::uint8_t byte) {
        bits_ |= static_cast<std::uint64_t>(byte) << (56 - count_);
        count_ += 8;
    }

    FileWindow window_;
    const std::uint8_t* p_;
    bool fileEnded_ = false;
    std::uint64_t bits_ = 0;  // the next bit is the highest
    int count_ = 0;
    int padding_ = 0;  // zero bits made up past a marker
    std::int64_t dataBytes_ = 0;
    bool atMarker_ = false;
    int marker_ = 0;
    std::int64_t watchOffset_ = 0;
    bool watchPending_ = false;
    std::int64_t watchDataBytes_ = 0;
};

// How the blocks of one MCU follow each other.
struct McuLayout {
    struct Block {
        int component;
        int dx;  // block column and row within the MCU, in the component's blocks
        int dy;
    };
    std::vector<Block> blocks;
    std::vector<std::pair<int, int>> factors;  // blocks per MCU of each component, across and down
    int mcusWide = 0;
    int mcusHigh = 0;

    static McuLayout of(const JpegHeader& header);
    std::int64_t mcuCount() const { return std::int64_t(mcusWide) * mcusHigh; }
};

// Decodes MCUs and keeps only the DC difference of each block: all an eighth-size picture needs.
class DcDecoder {
public:
    // Nothing when a table cannot be built.
    static std::optional<DcDecoder> build(const JpegHeader& header, const McuLayout& layout);

    DcDecoder(DcDecoder&&) = default;  // the tables stay where they are
    DcDecoder(const DcDecoder&) = delete;
    DcDecoder& operator=(const DcDecoder&) = delete;

    // Decodes one MCU into a difference per block. False when the data is not valid JPEG data
    // (in which case the differences are whatever was read).
    bool decodeMcu(EntropyReader& in, std::int16_t* differences) const;

private:
    DcDecoder() = default;

    struct BlockTables {
        const HuffmanTable* dc;
        const HuffmanTable* ac;
    };
    std::vector<HuffmanTable> tables_;
    std::vector<BlockTables> blocks_;
};
