#include "LargeJpegDecoder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstring>
#include <new>
#include <system_error>
#include <thread>
#include <vector>

#include "JpegEntropy.h"
#include "JpegHeader.h"

namespace {

constexpr int endOfImage = 0xD9;
constexpr int firstRestart = 0xD0;

// The second thread notes where its first MCUs start; the first thread meets it at one of them.
// Huffman data falls into step again within a few MCUs of a guessed start.
constexpr std::size_t meetingPoints = 4096;

// The second thread keeps one difference per block until the first one tells it where its part
// begins; above this, one thread decodes everything.
constexpr std::int64_t maxKeptBlocks = 8 * 1024 * 1024;

// Sums of block averages per target pixel, one plane per component.
class BlockBoxes {
public:
    static std::optional<BlockBoxes> make(const JpegHeader& header, const McuLayout& layout,
                                          QSize target) {
        BlockBoxes boxes;
        boxes.target_ = target;
        int maxH = 1;
        int maxV = 1;
        for (const auto& [h, v] : layout.factors) {
            maxH = std::max(maxH, h);
            maxV = std::max(maxV, v);
        }
        for (std::size_t c = 0; c < layout.factors.size(); ++c) {
            const auto [h, v] = layout.factors[c];
            Plane plane;
            // Blocks that hold part of the picture; the rest only pad the last MCUs.
            const int wide =
                (static_cast<int>((std::int64_t(header.width) * h + maxH - 1) / maxH) + 7) / 8;
            const int high =
                (static_cast<int>((std::int64_t(header.height) * v + maxV - 1) / maxV) + 7) / 8;
            if (wide < target.width() || high < target.height()) return std::nullopt;
            // A block goes to the target pixel its centre falls in; every target pixel must get
            // at least one.
            const double blockWidth = 8.0 * maxH / h;
            const double blockHeight = 8.0 * maxV / v;
            if (!spread(wide, blockWidth, header.width, target.width(), plane.column,
                        plane.columnCount) ||
                !spread(high, blockHeight, header.height, target.height(), plane.row,
                        plane.rowCount)) {
                return std::nullopt;
            }
            plane.sums.assign(static_cast<std::size_t>(target.width()) * target.height(), 0);
            for (const int row : plane.row) {
                plane.rowStart.push_back(static_cast<std::size_t>(row) * target.width());
            }
            const int q0 = header.quantTables[header.components[c].quantTable]->at(0);
            plane.quant = q0;
            boxes.planes_.push_back(std::move(plane));
        }
        for (const McuLayout::Block& block : layout.blocks) {
            const auto [h, v] = layout.factors[static_cast<std::size_t>(block.component)];
            boxes.blocks_.push_back(
                {static_cast<std::size_t>(block.component), block.dx, block.dy, h, v});
        }
        return boxes;
    }

    // Adds the blocks of the MCU at the given column and row; the DC values per component are
    // running in dc.
    void addMcu(int mcuX, int mcuY, const std::int16_t* differences,
                std::array<std::int64_t, 3>& dc) {
        for (std::size_t b = 0; b < blocks_.size(); ++b) {
            const PlacedBlock& block = blocks_[b];
            dc[block.component] += differences[b];
            Plane& plane = planes_[block.component];
            const auto x = static_cast<std::size_t>(mcuX * block.h + block.dx);
            const auto y = static_cast<std::size_t>(mcuY * block.v + block.dy);
            if (x >= plane.column.size() || y >= plane.rowStart.size()) continue;
            // The average of an 8×8 block is its DC coefficient over 8, around mid-grey.
            const std::int64_t average = ((dc[block.component] * plane.quant + 4) >> 3) + 128;
            plane.sums[plane.rowStart[y] + plane.column[x]] +=
                static_cast<std::uint32_t>(std::clamp<std::int64_t>(average, 0, 255));
        }
    }

    QImage picture() const {
        QImage image(target_, QImage::Format_RGB32);
        if (image.isNull()) return image;
        std::array<int, 3> value{};
        for (int y = 0; y < target_.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < target_.width(); ++x) {
                const std::size_t at = static_cast<std::size_t>(y) * target_.width() + x;
                for (std::size_t c = 0; c < planes_.size(); ++c) {
                    const Plane& plane = planes_[c];
                    const std::uint32_t count = plane.columnCount[static_cast<std::size_t>(x)] *
                                                plane.rowCount[static_cast<std::size_t>(y)];
                    value[c] = static_cast<int>((plane.sums[at] + count / 2) / count);
                }
                line[x] = planes_.size() == 1 ? qRgb(value[0], value[0], value[0])
                                              : fromYCbCr(value[0], value[1], value[2]);
            }
        }
        return image;
    }

private:
    struct Plane {
        std::vector<int> column;  // target column of each block column
        std::vector<int> row;
        std::vector<std::size_t> rowStart;       // where each block row's target row starts in sums
        std::vector<std::uint32_t> columnCount;  // block columns in each target column
        std::vector<std::uint32_t> rowCount;
        std::vector<std::uint32_t> sums;
        int quant = 1;
    };

    static bool spread(int blocks, double blockSize, int imageSize, int pixels,
                       std::vector<int>& to, std::vector<std::uint32_t>& counts) {
        to.resize(static_cast<std::size_t>(blocks));
        counts.assign(static_cast<std::size_t>(pixels), 0);
        for (int i = 0; i < blocks; ++i) {
            const double centre = std::min((i + 0.5) * blockSize, imageSize - 0.5);
            const int pixel = std::min(pixels - 1, static_cast<int>(centre * pixels / imageSize));
            to[static_cast<std::size_t>(i)] = pixel;
            ++counts[static_cast<std::size_t>(pixel)];
        }
        return std::find(counts.begin(), counts.end(), 0u) == counts.end();
    }

    static QRgb fromYCbCr(int y, int cb, int cr) {
        const auto channel = [](double value) {
            return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
        };
        return qRgb(channel(y + 1.402 * (cr - 128)),
                    channel(y - 0.344136 * (cb - 128) - 0.714136 * (cr - 128)),
                    channel(y + 1.772 * (cb - 128)));
    }

    struct PlacedBlock {
        std::size_t component;
        int dx;
        int dy;
        int h;  // the component's blocks per MCU, across and down
        int v;
    };

    QSize target_;
    std::vector<Plane> planes_;
    std::vector<PlacedBlock> blocks_;
};

struct Scan {
    int fd;
    std::int64_t fileSize;
    const JpegHeader& header;
    const McuLayout& layout;
    const DcDecoder& decoder;
};

// Where the second thread starts: the middle of the data, or, when the file has restart
// markers, just after the first one past the middle, where decoding starts afresh.
struct SecondStart {
    std::int64_t offset;
    int restartMarker;  // the marker just passed, 0 without restart markers
};

std::optional<SecondStart> findSecondStart(const Scan& scan) {
    // A little before the middle: the first thread also adds up every block as it goes.
    const std::int64_t middle =
        scan.header.scanStart + (scan.fileSize - scan.header.scanStart) * 48 / 100;
    FileWindow window(scan.fd, scan.fileSize, middle - 1, 64 * 1024);
    const std::uint8_t* p = window.begin();
    for (;;) {
        if (window.end() - p < 2) {
            if (!window.advance(p)) return std::nullopt;
            p = window.begin();
            continue;
        }
        if (scan.header.restartInterval == 0) {
            // Any byte that does not follow a 0xFF starts data.
            if (p[0] != 0xFF) return SecondStart{window.fileOffset(p + 1), 0};
        } else if (p[0] == 0xFF && p[1] >= firstRestart && p[1] < firstRestart + 8) {
            return SecondStart{window.fileOffset(p + 2), p[1]};
        }
        ++p;
    }
}

// The second thread: decodes from its start to the end of the scan, keeping the DC difference of
// every block, without knowing yet which MCU it started at.
class SecondHalf {
public:
    SecondHalf(const Scan& scan, SecondStart start)
        : scan_(scan), start_(start), blocksPerMcu_(scan.layout.blocks.size()) {
        starts_.reserve(meetingPoints);
        valid_.reserve(meetingPoints);
        const double share =
            double(scan.fileSize - start.offset) / double(scan.fileSize - scan.header.scanStart);
        differences_.resize(
            static_cast<std::size_t>(double(scan.layout.mcuCount()) * share * 1.05) *
            blocksPerMcu_);
        thread_ = std::thread([this] { run(); });
    }
    ~SecondHalf() {
        stop();
        finish();
    }

    void stop() { stop_.store(true, std::memory_order_relaxed); }
    void finish() {
        if (thread_.joinable()) thread_.join();
    }

    // The bit positions of the first MCUs, counted from the start; waits until they are known.
    const std::vector<std::int64_t>& meetingStarts() const {
        startsKnown_.wait(false, std::memory_order_acquire);
        return starts_;
    }

    // After finish(): whether this thread's MCUs from number first on, put after the mcusBefore
    // MCUs the first thread decoded, make up the whole picture with valid data.
    bool joinsAt(std::size_t first, std::int64_t mcusBefore, std::int64_t mcuCount) const {
        if (!ok_) return false;
        for (std::size_t i = first; i < valid_.size(); ++i) {
            if (valid_[i] == 0) return false;
        }
        return mcusBefore + (decoded_ - static_cast<std::int64_t>(first)) == mcuCount;
    }

    const std::int16_t* differencesOf(std::int64_t mcu) const {
        return differences_.data() + static_cast<std::size_t>(mcu) * blocksPerMcu_;
    }
    std::int64_t decoded() const { return decoded_; }

private:
    void run() {
        try {
            ok_ = decode();
        } catch (const std::bad_alloc&) {
            ok_ = false;
        }
        startsKnown_.store(true, std::memory_order_release);
        startsKnown_.notify_all();
    }

    bool decode() {
        EntropyReader in(scan_.fd, scan_.fileSize, start_.offset);
        const int interval = scan_.header.restartInterval;
        int nextRestart =
            start_.restartMarker == 0 ? 0 : (start_.restartMarker + 1 - firstRestart) % 8;
        for (;;) {
            if (stop_.load(std::memory_order_relaxed)) return false;
            const bool restartDue = interval > 0 && decoded_ > 0 && decoded_ % interval == 0;
            if (in.atEndOfScan()) {
                if (!restartDue || in.marker() != firstRestart + nextRestart) {
                    return in.marker() == endOfImage;
                }
                if (!in.passRestartMarker(firstRestart + nextRestart)) return false;
                nextRestart = (nextRestart + 1) % 8;
            } else if (restartDue) {
                return false;
            }
            if (decoded_ >= scan_.layout.mcuCount()) return false;
            const bool meeting = starts_.size() < meetingPoints;
            if (meeting) starts_.push_back(in.position());
            const std::size_t at = static_cast<std::size_t>(decoded_) * blocksPerMcu_;
            if (at + blocksPerMcu_ > differences_.size()) {
                if (at > 2 * maxKeptBlocks) return false;
                differences_.resize(
                    std::max(differences_.size() * 5 / 4, at + 1024 * blocksPerMcu_));
            }
            const bool valid = scan_.decoder.decodeMcu(in, differences_.data() + at);
            ++decoded_;
            if (meeting) {
                // Until the two threads have met, this thread may be out of step: errors then
                // only count if the meeting point turns out to be before them.
                valid_.push_back(valid ? 1 : 0);
                if (starts_.size() == meetingPoints) {
                    startsKnown_.store(true, std::memory_order_release);
                    startsKnown_.notify_all();
                }
                if (in.bitsBeforeMarker() < 0) return false;
            } else if (!valid) {
                return false;
            }
        }
    }

    const Scan& scan_;
    const SecondStart start_;
    const std::size_t blocksPerMcu_;
    std::vector<std::int64_t> starts_;
    std::vector<std::uint8_t> valid_;
    std::vector<std::int16_t> differences_;
    std::int64_t decoded_ = 0;
    bool ok_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> startsKnown_{false};
    std::thread thread_;
};

// The first thread: decodes from the start until it meets the second thread, or to the end.
bool decodeScan(const Scan& scan, BlockBoxes& boxes, const LargeJpegOptions& options) {
    const JpegHeader& header = scan.header;
    const std::int64_t mcuCount = scan.layout.mcuCount();
    const std::int64_t blocks = mcuCount * static_cast<std::int64_t>(scan.layout.blocks.size());
    std::optional<SecondStart> secondStart;
    if (scan.fileSize - header.scanStart >= options.splitFromBytes && blocks / 2 <= maxKeptBlocks) {
        secondStart = findSecondStart(scan);
    }
    std::optional<SecondHalf> second;
    EntropyReader in(scan.fd, scan.fileSize, header.scanStart);
    if (secondStart) {
        try {
            second.emplace(scan, *secondStart);
            in.watch(secondStart->offset);
        } catch (const std::system_error&) {
            // No second thread to be had: one thread does it all.
        }
    }

    const int interval = header.restartInterval;
    std::array<std::int64_t, 3> dc{};
    std::array<std::int16_t, 10> differences{};
    std::size_t nextMeeting = 0;
    const int mcusWide = scan.layout.mcusWide;
    int mcuX = 0;
    int mcuY = 0;
    std::int64_t mcu = 0;
    std::int64_t restartPassedAt = 0;
    const auto nextMcu = [&] {
        ++mcu;
        if (++mcuX == mcusWide) {
            mcuX = 0;
            ++mcuY;
        }
    };
    for (;;) {
        std::optional<std::size_t> met;
        for (; mcu < mcuCount; nextMcu()) {
            if (interval > 0 && mcu > 0 && mcu % interval == 0 && restartPassedAt != mcu) {
                const int marker = firstRestart + static_cast<int>((mcu / interval - 1) % 8);
                if (!in.passRestartMarker(marker)) return false;
                restartPassedAt = mcu;
                dc = {};
            }
            if (second) {
                if (const std::optional<std::int64_t> before = in.dataBytesBeforeWatch()) {
                    const std::int64_t position = in.position() - 8 * *before;
                    const std::vector<std::int64_t>& starts = second->meetingStarts();
                    while (nextMeeting < starts.size() && starts[nextMeeting] < position) {
                        ++nextMeeting;
                    }
                    if (nextMeeting < starts.size() && starts[nextMeeting] == position) {
                        met = nextMeeting;
                        break;
                    }
                    // Never in step: this thread decodes the rest itself.
                    if (nextMeeting == starts.size()) second.reset();
                }
            }
            if (!scan.decoder.decodeMcu(in, differences.data())) return false;
            boxes.addMcu(mcuX, mcuY, differences.data(), dc);
        }
        if (!met) return in.atEndOfScan() && in.marker() == endOfImage;

        second->finish();
        if (second->joinsAt(*met, mcu, mcuCount)) break;
        // The second thread failed after the meeting point: this one goes on from there, and
        // meets whatever made it fail.
        second.reset();
    }
    if (options.decodedByTwo != nullptr) *options.decodedByTwo = true;
    for (auto part = static_cast<std::int64_t>(nextMeeting); part < second->decoded(); ++part) {
        if (interval > 0 && mcu > 0 && mcu % interval == 0) dc = {};
        boxes.addMcu(mcuX, mcuY, second->differencesOf(part), dc);
        nextMcu();
    }
    return true;
}

std::optional<QImage> decode(int fd, std::int64_t fileSize, const JpegHeader& header,
                             QSize targetSize, const LargeJpegOptions& options) {
    if (options.decodedByTwo != nullptr) *options.decodedByTwo = false;
    if (targetSize.isEmpty()) return std::nullopt;
    const McuLayout layout = McuLayout::of(header);
    std::optional<BlockBoxes> boxes = BlockBoxes::make(header, layout, targetSize);
    if (!boxes) return std::nullopt;
    const std::optional<DcDecoder> decoder = DcDecoder::build(header, layout);
    if (!decoder) return std::nullopt;
    const Scan scan{fd, fileSize, header, layout, *decoder};
    if (!decodeScan(scan, *boxes, options)) return std::nullopt;
    QImage picture = boxes->picture();
    if (picture.isNull()) return std::nullopt;
    return picture;
}

}  // namespace

std::optional<QImage> decodeLargeJpeg(int fd, const JpegHeader& header, QSize targetSize,
                                      const LargeJpegOptions& options) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::nullopt;
    try {
        return decode(fd, info.st_size, header, targetSize, options);
    } catch (const std::bad_alloc&) {
        return std::nullopt;  // decoded the usual way, within Qt's own limits
    }
}

std::optional<QImage> decodeLargeJpeg(int fd, QSize targetSize, const LargeJpegOptions& options) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) return std::nullopt;
    const std::optional<JpegHeader> header = readJpegHeader(fd, info.st_size);
    if (!header) return std::nullopt;
    return decodeLargeJpeg(fd, *header, targetSize, options);
}
