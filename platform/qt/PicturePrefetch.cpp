#include "PicturePrefetch.h"

#include <chrono>
#include <utility>

PicturePrefetch::~PicturePrefetch() {
    wait();
}

namespace {

// A file's times have a coarse grain on some file systems: a file changed within this time before
// it was read might change again with the same times and size. Such a file is read again when
// shown.
constexpr auto settledAfter = std::chrono::seconds(2);

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

void PicturePrefetch::wait() const {
    if (result_.valid()) result_.wait();
}

void PicturePrefetch::start(std::string fileName, QSize targetSize) {
    wait();
    fileName_ = std::move(fileName);
    targetSize_ = targetSize;
    result_ = std::async(std::launch::async, [name = fileName_, targetSize] {
        Result result;
        const long long startNs = nowNs();
        try {
            result.picture = loadPicture(name, targetSize, &result.identity);
        } catch (...) {
            // Whatever went wrong happens again, and is reported, when the picture is shown.
        }
        const long long settledNs =
            std::chrono::duration_cast<std::chrono::nanoseconds>(settledAfter).count();
        if (result.identity.modifiedNs > startNs - settledNs) result.picture = QImage();
        return result;
    });
}

QImage PicturePrefetch::take(std::string_view fileName, QSize targetSize) {
    if (!result_.valid() || fileName != fileName_ || targetSize != targetSize_) return {};
    Result result = result_.get();
    if (result.picture.isNull() || currentPictureFile(fileName) != result.identity) return {};
    return std::move(result.picture);
}
