#include "PictureLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QTransform>
#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

#include "JpegCompleteness.h"
#include "JpegHeader.h"
#include "LargeJpegDecoder.h"
#include "RunTimeError.h"

namespace {

PictureFileIdentity identityOf(const struct stat& info) {
    return {.device = info.st_dev,
            .inode = info.st_ino,
            .size = info.st_size,
            .modifiedNs = info.st_mtim.tv_sec * 1'000'000'000LL + info.st_mtim.tv_nsec,
            .changedNs = info.st_ctim.tv_sec * 1'000'000'000LL + info.st_ctim.tv_nsec};
}

// Opens a regular file only, without blocking, so that a FIFO or a device under the name cannot
// hang the program, and refuses files above the size cap. Returns the open descriptor.
int openPictureFile(const std::string& name, PictureFileIdentity* identity) {
    const int fd = ::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG) {
            throw RunTimeError::fileNotFound(name);
        }
        throw RunTimeError::invalidPicture(name);
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0 ||
        info.st_size > maxPictureFileBytes) {
        ::close(fd);
        throw RunTimeError::invalidPicture(name);
    }
    if (identity != nullptr) *identity = identityOf(info);
    return fd;
}

// Sequential bytes of a device, read in blocks.
class ByteStream {
public:
    explicit ByteStream(QIODevice& device) : device_(device) {}

    // The next byte, or -1 at the end.
    int next() {
        if (pos_ == block_.size()) {
            block_ = device_.read(64 * 1024);
            pos_ = 0;
            if (block_.isEmpty()) return -1;
        }
        return static_cast<unsigned char>(std::as_const(block_)[pos_++]);
    }

    // Skips to the next 0xFF byte and returns it, or -1 at the end. Entropy-coded data makes up
    // most of a picture file and 0xFF is rare in it, so this searches a block at a time.
    int nextFF() {
        for (;;) {
            const char* data = std::as_const(block_).constData();
            const void* found =
                std::memchr(data + pos_, 0xFF, static_cast<size_t>(block_.size() - pos_));
            if (found != nullptr) {
                pos_ = static_cast<const char*>(found) - data + 1;
                return 0xFF;
            }
            block_ = device_.read(64 * 1024);
            pos_ = 0;
            if (block_.isEmpty()) return -1;
        }
    }

    bool skip(qint64 count) {
        const qint64 buffered = block_.size() - pos_;
        if (count <= buffered) {
            pos_ += count;
            return true;
        }
        const qint64 target = device_.pos() + (count - buffered);
        block_.clear();
        pos_ = 0;
        return target <= device_.size() && device_.seek(target);
    }

private:
    QIODevice& device_;
    QByteArray block_;
    qsizetype pos_ = 0;
};

}  // namespace

bool isCompleteJpeg(QIODevice& device) {
    ByteStream in(device);
    return isCompleteJpegStream(in);
}

namespace {

// Turns a picture decoded as stored the way its EXIF orientation says, as Qt's reader would.
QImage oriented(QImage image, QImageIOHandler::Transformations transformation) {
    const bool mirror = transformation.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = transformation.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip) image = image.mirrored(mirror, flip);
    if (transformation.testFlag(QImageIOHandler::TransformationRotate90)) {
        image = image.transformed(QTransform().rotate(90));
    }
    return image;
}

// A JPEG with at least eight times the target's pixels each way decodes straight from its block
// averages. Files Qt would refuse for the size of their eighth-size image are left to Qt, so
// that both ways take the same files. Everything else is turned away on the frame size alone.
std::optional<QImage> loadLargeJpeg(QFile& file, QSize targetSize) {
    const std::optional<JpegHeader> header = readJpegHeader(file.handle(), file.size());
    if (!header) return std::nullopt;
    const auto largeEnough = [&header](QSize stored) {
        return header->width >= 8 * stored.width() && header->height >= 8 * stored.height();
    };
    const qint64 eighthBytes = qint64((header->width + 7) / 8) * ((header->height + 7) / 8) * 4;
    if ((!largeEnough(targetSize) && !largeEnough(targetSize.transposed())) ||
        eighthBytes > qint64(maxDecodedMegabytes) * 1024 * 1024) {
        return std::nullopt;
    }
    QImageIOHandler::Transformations transformation;
    {
        QImageReader exif(&file, "jpeg");
        transformation = exif.transformation();
    }
    const QSize stored = transformation.testFlag(QImageIOHandler::TransformationRotate90)
                             ? targetSize.transposed()
                             : targetSize;
    if (!file.seek(0) || !largeEnough(stored)) return std::nullopt;
    std::optional<QImage> picture = decodeLargeJpeg(file.handle(), *header, stored);
    if (!picture) return std::nullopt;
    return oriented(std::move(*picture), transformation);
}

}  // namespace

std::optional<PictureFileIdentity> currentPictureFile(std::string_view fileName) {
    struct stat info {};
    if (::stat(std::string(fileName).c_str(), &info) != 0) return std::nullopt;
    return identityOf(info);
}

QImage loadPicture(std::string_view fileName, QSize targetSize, PictureFileIdentity* identity) {
    const std::string name(fileName);
    QFile file;
    if (!file.open(openPictureFile(name, identity), QIODevice::ReadOnly,
                   QFileDevice::AutoCloseHandle)) {
        throw RunTimeError::invalidPicture(name);
    }

    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(maxDecodedMegabytes);
    const QByteArray format = reader.format();
    if (format.isEmpty()) throw RunTimeError::invalidPicture(name);
    if (format == "jpeg") {
        if (std::optional<QImage> large = loadLargeJpeg(file, targetSize)) return std::move(*large);
        const bool complete = file.seek(0) && isCompleteJpeg(file);
        if (!complete || !file.seek(0)) throw RunTimeError::invalidPicture(name);
    } else {
        // Other formats decode at full size, and smooth scaling first copies an 8-bit picture to
        // 32 bits: only the pixel cap keeps that copy small.
        const QSize fullSize = reader.size();
        if (!fullSize.isValid() ||
            static_cast<qint64>(fullSize.width()) * fullSize.height() > maxFullSizePixels) {
            throw RunTimeError::invalidPicture(name);
        }
    }

    // The scaled size applies before the EXIF rotation, so a turned picture is decoded to the
    // turned box and comes out upright at the target size.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    reader.setScaledSize(turned ? targetSize.transposed() : targetSize);
    reader.setQuality(100);  // smooth scaling for whatever the decoder cannot scale itself

    QImage image = reader.read();
    if (image.isNull()) throw RunTimeError::invalidPicture(name);
    if (image.size() != targetSize) {
        image = image.scaled(targetSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return image;
}
