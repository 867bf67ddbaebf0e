#pragma once

#include <QImage>
#include <QSize>
#include <future>
#include <string>
#include <string_view>

#include "PictureLoader.h"

// Reads one picture on a worker thread before it is shown, while the player is still looking at
// a box, so that showing it costs only the painting. A picture read ahead is handed out only if
// its name still leads to the same unchanged file, and only if that file had not changed just
// before it was read. In every other case, and when reading it failed, the caller loads the
// picture itself, so that what is shown and every error stay those of a load when shown.
class PicturePrefetch {
public:
    PicturePrefetch() = default;
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;
    ~PicturePrefetch();

    // Starts reading the picture; an earlier read that is still running is finished first.
    void start(std::string fileName, QSize targetSize);

    // Waits until a read that is still running has finished.
    void wait() const;

    // The picture read ahead for this name and size, waiting for it if need be; a null image if
    // there is none or its file has changed since.
    QImage take(std::string_view fileName, QSize targetSize);

private:
    struct Result {
        QImage picture;
        PictureFileIdentity identity;
    };

    std::string fileName_;
    QSize targetSize_;
    std::future<Result> result_;
};
