#pragma once

#include <sys/types.h>

#include <QImage>
#include <QSize>
#include <optional>
#include <string_view>

// The file a picture was read from, as the file system tells it apart: another file under the
// same name, or any write to the file, gives another identity.
struct PictureFileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = -1;
    long long modifiedNs = 0;
    long long changedNs = 0;

    bool operator==(const PictureFileIdentity&) const = default;
};

// Reads a picture file by bare name from the current directory and decodes it straight to the
// given size in device pixels, so a huge JPEG never exists at full size in memory.
// Throws RunTimeError 53 for a missing file and 481 for anything that is no readable picture.
// If identity is given, it receives the identity of the file that was read.
// The picture's description (see JpegDescription.h) comes with it as the image's text under
// pictureDescriptionKey, empty when the file has none or is no JPEG.
QImage loadPicture(std::string_view fileName, QSize targetSize,
                   PictureFileIdentity* identity = nullptr);

inline constexpr char pictureDescriptionKey[] = "Description";

// The identity of the file the name leads to now, if there is one.
std::optional<PictureFileIdentity> currentPictureFile(std::string_view fileName);

// Largest file the loader reads; anything bigger is refused as no readable picture.
inline constexpr qint64 maxPictureFileBytes = 256LL * 1024 * 1024;

// Largest image the decoder may allocate, whatever Qt's own default. A JPEG decodes at down to
// 1/8 of its size, so this admits JPEGs up to 32768 x 32768 pixels.
inline constexpr int maxDecodedMegabytes = 64;

// Largest picture in another format (PNG, GIF, BMP under a .jpg name), which decodes at full size.
inline constexpr qint64 maxFullSizePixels = 8LL * 1024 * 1024;
