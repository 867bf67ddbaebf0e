// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <QImage>
#include <QSize>
#include <cstdint>
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
// Throws RunTimeError 53 for a missing file and 481 for anything that the shared decision
// (PictureCheck.h) refuses or that does not decode, and also 481 for a picture whose decoding
// would take more than workingBytesAllowed. If identity is given, it receives the identity of the
// file that was read. The picture's description (see JpegDescription.h) comes with it as the
// image's text under pictureDescriptionKey, empty when the file has none or is no JPEG.
QImage loadPicture(std::string_view fileName, QSize targetSize,
                   PictureFileIdentity* identity = nullptr,
                   std::int64_t workingBytesAllowed = INT64_MAX);

inline constexpr char pictureDescriptionKey[] = "Description";

// The identity of the file the name leads to now, if there is one.
std::optional<PictureFileIdentity> currentPictureFile(std::string_view fileName);
