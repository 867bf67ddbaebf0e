// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <future>
#include <string>
#include <string_view>
#include <vector>

#include "PictureLoader.h"

// Reads pictures on worker threads before they are shown, while the player is still looking at
// a box, so that showing one costs only the painting. A picture read ahead is handed out only if
// its name still leads to the same unchanged file, and only if that file had not changed just
// before it was read. In every other case, and when reading it failed, the caller loads the
// picture itself, so that what is shown and every error stay those of a load when shown. A
// picture that takes much memory to decode is not read ahead: two such reads at once could
// exhaust a small machine.
class PicturePrefetch {
public:
    PicturePrefetch() = default;
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;
    ~PicturePrefetch();

    // Waits until every read ahead has finished.
    void waitForReads() const;

    // Starts reading the picture, unless it is being read already.
    void start(const std::string& fileName, QSize targetSize);

    // The picture read ahead for this name and size, waiting for it if need be; a null image if
    // there is none or its file has changed since. Other reads ahead are kept.
    QImage take(std::string_view fileName, QSize targetSize);

private:
    struct Result {
        QImage picture;
        PictureFileIdentity identity;
    };
    struct Read {
        std::string fileName;
        QSize targetSize;
        std::future<Result> result;
    };

    static Result readAhead(const std::string& fileName, QSize targetSize);

    std::vector<Read> reads_;
};
