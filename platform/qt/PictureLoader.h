#pragma once

#include <QIODevice>
#include <QImage>
#include <QSize>
#include <string_view>

// Reads a picture file by bare name from the current directory and decodes it straight to the
// given size in device pixels, so a huge JPEG never exists at full size in memory.
// Throws RunTimeError 53 for a missing file and 481 for anything that is no readable picture.
QImage loadPicture(std::string_view fileName, QSize targetSize);

// Largest file the loader reads; anything bigger is refused as no readable picture.
inline constexpr qint64 maxPictureFileBytes = 256LL * 1024 * 1024;

// True when a JPEG stream runs from its start marker to its end marker; false when it is cut off.
// Qt decodes a cut-off JPEG with a grey tail and only a warning, so the loader checks this first.
bool isCompleteJpeg(QIODevice& device);
