// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureLoader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <cerrno>
#include <string>

#include "PictureCheck.h"
#include "PictureRule.h"
#include "RunTimeError.h"
#include "StreamBytes.h"

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

}  // namespace

std::optional<PictureFileIdentity> currentPictureFile(std::string_view fileName) {
    struct stat info {};
    if (::stat(std::string(fileName).c_str(), &info) != 0) return std::nullopt;
    return identityOf(info);
}

QImage loadPicture(std::string_view fileName, QSize targetSize, PictureFileIdentity* identity,
                   std::int64_t workingBytesAllowed) {
    const std::string name(fileName);
    QFile file;
    if (!file.open(openPictureFile(name, identity), QIODevice::ReadOnly,
                   QFileDevice::AutoCloseHandle)) {
        throw RunTimeError::invalidPicture(name);
    }

    // Qt decodes a cut-off picture in part with only a warning, and reads whatever formats its
    // plugins know, so the shared decision reads the file first.
    StreamBytes in([&file](unsigned char* buffer, std::size_t capacity) {
        const qint64 read =
            file.read(reinterpret_cast<char*>(buffer), static_cast<qint64>(capacity));
        return read > 0 ? static_cast<std::size_t>(read) : std::size_t{0};
    });
    const PictureCheck picture = checkPicture(in);
    if (picture.format == PictureFormat::refused || picture.workingBytes > workingBytesAllowed ||
        !file.seek(0)) {
        throw RunTimeError::invalidPicture(name);
    }

    // Only the decoder of the format decided on reads it.
    static constexpr const char* formatNames[] = {"", "jpeg", "png", "gif", "bmp", "webp"};
    QImageReader reader(&file, formatNames[static_cast<int>(picture.format)]);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(static_cast<int>(maxJpegOutputBytes / (1024 * 1024)));

    // The scaled size applies before the EXIF rotation, so a turned picture is decoded to the
    // turned box and comes out upright at the target size.
    const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
    reader.setScaledSize(turned ? targetSize.transposed() : targetSize);
    reader.setQuality(100);  // smooth scaling for whatever the decoder cannot scale itself

    QImage image = reader.read();
    if (image.isNull()) throw RunTimeError::invalidPicture(name);
    // Set for every picture, so that whatever text Qt's own reader found never shows instead.
    image.setText(QString::fromLatin1(pictureDescriptionKey),
                  QString::fromStdString(picture.description));
    return image;
}
