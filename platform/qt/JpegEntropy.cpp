#include "JpegEntropy.h"

#include <algorithm>
#include <cstring>

std::optional<HuffmanTable> HuffmanTable::build(const HuffmanDefinition& definition) {
    HuffmanTable table;
    table.symbols_ = definition.symbols;
    std::int32_t code = 0;
    std::int32_t index = 0;
    for (int length = 1; length <= 16; ++length) {
        const int count = definition.counts[static_cast<std::size_t>(length - 1)];
        table.valueOffset_[length] = index - code;
        for (int i = 0; i < count; ++i, ++code, ++index) {
            if (code >= (1 << length)) return std::nullopt;  // more codes than fit
            if (length > fastBits) continue;
            const int symbol = definition.symbols[static_cast<std::size_t>(index)];
            const int size = symbol & 15;
            const int run = symbol >> 4;
            const int advance = size != 0 ? run + 1 : (run == 15 ? 16 : 0);
            const auto fast = static_cast<std::uint16_t>((length << 8) | symbol);
            const auto skip = static_cast<std::uint16_t>((advance << 8) | (length + size));
            const int first = code << (fastBits - length);
            const int last = (code + 1) << (fastBits - length);
            std::fill(table.fast_.begin() + first, table.fast_.begin() + last, fast);
            std::fill(table.skip_.begin() + first, table.skip_.begin() + last, skip);
        }
        table.maxCode_[length] = count > 0 ? code - 1 : -1;
        code <<= 1;
    }
    for (std::uint32_t next = 0; next < (1u << multiBits); ++next) {
        int taken = 0;
        int advance = 0;
        bool endOfBlock = false;
        while (!endOfBlock) {
            const std::uint32_t rest = (next << taken) & ((1u << multiBits) - 1);
            const std::uint32_t decoded = table.decodeLong(rest << (16 - multiBits));
            const int length = static_cast<int>(decoded >> 8);
            const int symbol = static_cast<int>(decoded & 0xFF);
            if (decoded == 0 || taken + length + (symbol & 15) > multiBits) break;
            taken += length + (symbol & 15);
            if ((symbol & 15) != 0) {
                advance += (symbol >> 4) + 1;
            } else if ((symbol >> 4) == 15) {
                advance += 16;
            } else {
                endOfBlock = true;
            }
        }
        table.multi_[next] =
            static_cast<std::uint16_t>(taken | (advance << 6) | (endOfBlock ? 0x8000 : 0));
    }
    return table;
}

std::uint32_t HuffmanTable::decodeLong(std::uint32_t next16) const {
    for (int length = 1; length <= 16; ++length) {
        const auto code = static_cast<std::int32_t>(next16 >> (16 - length));
        if (code <= maxCode_[length]) {
            return static_cast<std::uint32_t>(length << 8) |
                   symbols_[static_cast<std::size_t>(code + valueOffset_[length])];
        }
    }
    return 0;
}

EntropyReader::EntropyReader(int fd, std::int64_t fileSize, std::int64_t start)
    : window_(fd, fileSize, start), p_(window_.begin()) {
    updateQuickLimit();
}

bool EntropyReader::refillWindow() {
    if (fileEnded_) return false;
    if (!window_.advance(p_)) fileEnded_ = true;
    p_ = window_.begin();
    updateQuickLimit();
    return !fileEnded_;
}

void EntropyReader::updateQuickLimit() {
    std::int64_t room = window_.end() - window_.begin() - 8;
    if (watchPending_) {
        room = std::min(room, watchOffset_ - window_.fileOffset(window_.begin()) - 8);
    }
    quickLimit_ = atMarker_ || room < 0 ? nullptr : window_.begin() + room;
}

void EntropyReader::fill() {
    while (count_ <= 56) {
        if (takeWholeBytes(bits_, count_)) continue;
        if (!atMarker_ && window_.end() - p_ < 8 && refillWindow() &&
            takeWholeBytes(bits_, count_)) {
            continue;
        }
        slowByte();
    }
}

void EntropyReader::slowByte() {
    const auto madeUpZeros = [this] {
        count_ += 8;
        padding_ += 8;
    };
    if (atMarker_) return madeUpZeros();
    if (window_.end() - p_ < 2) refillWindow();
    if (p_ == window_.end()) {
        atMarker_ = true;
        marker_ = -1;
        quickLimit_ = nullptr;
        return madeUpZeros();
    }
    if (watchPending_ && window_.fileOffset(p_) >= watchOffset_) {
        watchPending_ = false;
        watchDataBytes_ = dataBytes_;
        updateQuickLimit();
    }
    if (*p_ != 0xFF) {
        append(*p_++);
        ++dataBytes_;
        return;
    }
    if (p_ + 1 == window_.end()) {
        atMarker_ = true;
        marker_ = -1;
        quickLimit_ = nullptr;
        return madeUpZeros();
    }
    const std::uint8_t next = p_[1];
    if (next == 0x00) {  // a data byte 0xFF
        append(0xFF);
        p_ += 2;
        ++dataBytes_;
    } else if (next == 0xFF) {  // fill byte before a marker
        ++p_;
    } else {
        atMarker_ = true;
        marker_ = next;
        quickLimit_ = nullptr;
        madeUpZeros();
    }
}

bool EntropyReader::passRestartMarker(int expectedMarker) {
    fill();
    if (!atMarker_ || marker_ != expectedMarker || bitsBeforeMarker() < 0 ||
        bitsBeforeMarker() >= 8) {
        return false;
    }
    p_ += 2;
    bits_ = 0;
    count_ = 0;
    padding_ = 0;
    atMarker_ = false;
    updateQuickLimit();
    return true;
}

McuLayout McuLayout::of(const JpegHeader& header) {
    McuLayout layout;
    const auto blocksFor = [](int pixels, int perBlock) {
        return (pixels + perBlock - 1) / perBlock;
    };
    if (header.components.size() == 1) {
        // A scan of one component has MCUs of one block, whatever its sampling factors.
        layout.blocks.push_back({0, 0, 0});
        layout.factors.emplace_back(1, 1);
        layout.mcusWide = blocksFor(header.width, 8);
        layout.mcusHigh = blocksFor(header.height, 8);
        return layout;
    }
    int maxH = 1;
    int maxV = 1;
    for (const JpegComponent& c : header.components) {
        maxH = std::max(maxH, c.h);
        maxV = std::max(maxV, c.v);
    }
    for (std::size_t i = 0; i < header.components.size(); ++i) {
        const JpegComponent& c = header.components[i];
        layout.factors.emplace_back(c.h, c.v);
        for (int dy = 0; dy < c.v; ++dy) {
            for (int dx = 0; dx < c.h; ++dx) layout.blocks.push_back({static_cast<int>(i), dx, dy});
        }
    }
    layout.mcusWide = blocksFor(header.width, 8 * maxH);
    layout.mcusHigh = blocksFor(header.height, 8 * maxV);
    return layout;
}

std::optional<DcDecoder> DcDecoder::build(const JpegHeader& header, const McuLayout& layout) {
    DcDecoder decoder;
    decoder.tables_.reserve(2 * header.components.size());
    for (const JpegComponent& c : header.components) {
        auto dc = HuffmanTable::build(*header.dcTables[c.dcTable]);
        auto ac = HuffmanTable::build(*header.acTables[c.acTable]);
        if (!dc || !ac) return std::nullopt;
        decoder.tables_.push_back(std::move(*dc));
        decoder.tables_.push_back(std::move(*ac));
    }
    for (const McuLayout::Block& block : layout.blocks) {
        const auto first = static_cast<std::size_t>(2 * block.component);
        decoder.blocks_.push_back({&decoder.tables_[first], &decoder.tables_[first + 1]});
    }
    return decoder;
}

bool DcDecoder::decodeMcu(EntropyReader& in, std::int16_t* differences) const {
    constexpr int fastBits = HuffmanTable::fastBits;
    // The bit buffer lives in locals here; the reader gets it back whenever it refills.
    std::uint64_t bits = in.bits_;
    int count = in.count_;
    const auto need32 = [&] {
        if (count >= 32 || in.takeWholeBytes(bits, count)) return;
        in.bits_ = bits;
        in.count_ = count;
        in.fill();
        bits = in.bits_;
        count = in.count_;
    };
    const auto peek = [&](int n) { return static_cast<std::uint32_t>(bits >> (64 - n)); };
    const auto drop = [&](int n) {
        bits <<= (n & 63);  // the same shift: the mask only spares the processor an AND
        count -= n;
    };
    bool valid = true;
    for (std::size_t b = 0; b < blocks_.size() && valid; ++b) {
        const HuffmanTable& dc = *blocks_[b].dc;
        const HuffmanTable& ac = *blocks_[b].ac;
        const std::uint16_t* skip = ac.skipTable();
        const std::uint16_t* multi = ac.multiTable();
        need32();
        std::uint32_t code = dc.fastTable()[peek(fastBits)];
        if (code == 0) code = dc.decodeLong(peek(16));
        if (code == 0 || (code & 0xFF) > 11) {
            valid = false;
            break;
        }
        drop(static_cast<int>(code >> 8));
        const int size = static_cast<int>(code & 15);
        int difference = 0;
        if (size != 0) {
            const int value = static_cast<int>(peek(size));
            drop(size);
            difference = value < (1 << (size - 1)) ? value - (1 << size) + 1 : value;
        }
        differences[b] = static_cast<std::int16_t>(difference);
        // The AC coefficients are only stepped over: the code and the value bits in one step.
        int k = 1;
        while (k < 64) {
            need32();
            const std::uint16_t steps = multi[peek(HuffmanTable::multiBits)];
            const int stepsTaken = steps & 63;
            const int stepsEnd = steps >> 15;
            const int stepsAdvance = (steps >> 6) & 0xFF;
            // Several coefficients at once, unless they run past the end of the block: once the
            // last coefficient is in, the next bits belong to the next block, not to an end of
            // block code.
            if (stepsTaken != 0 && k + stepsAdvance + stepsEnd <= 64) {
                drop(stepsTaken);
                if (stepsEnd != 0) break;
                k += stepsAdvance;
                continue;
            }
            const std::uint16_t step = skip[peek(fastBits)];
            if (step != 0) {
                drop(step & 0xFF);
                const int advance = step >> 8;
                if (advance == 0) break;
                k += advance;
                continue;
            }
            const std::uint32_t longCode = ac.decodeLong(peek(16));
            if (longCode == 0) {
                valid = false;
                break;
            }
            drop(static_cast<int>(longCode >> 8));
            const int symbol = static_cast<int>(longCode & 0xFF);
            const int valueBits = symbol & 15;
            const int run = symbol >> 4;
            if (valueBits != 0) {
                drop(valueBits);
                k += run + 1;
            } else if (run == 15) {
                k += 16;
            } else {
                break;
            }
        }
        if (k > 64) valid = false;
    }
    in.bits_ = bits;
    in.count_ = count;
    return valid && in.bitsBeforeMarker() >= 0;
}
