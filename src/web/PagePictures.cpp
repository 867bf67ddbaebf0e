// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PagePictures.h"

#include <emscripten.h>

#include <string>
#include <vector>

#include "JpegCheck.h"
#include "PictureRule.h"
#include "RunTimeError.h"
#include "ScriptText.h"

namespace {

// Every asynchronous call answers with a code, also when the page's script fails: a promise that
// rejects would leave the program suspended for ever.
// clang-format off
EM_JS(void, jsPreparePicture, (const char* name, int length, double maxBytes), {
    torvamikPage.prepare(UTF8ToString(name, length), maxBytes);
});
EM_ASYNC_JS(int, jsPictureSize, (const char* name, int length, double maxBytes), {
    try {
        return await torvamikPage.pictureSize(UTF8ToString(name, length), maxBytes);
    } catch (error) {
        return -1;
    }
});
EM_JS(void, jsCopyPicture, (unsigned char* destination), {
    torvamikPage.copyPicture(destination);
});
EM_ASYNC_JS(int, jsLoadPicture, (), {
    try {
        return await torvamikPage.load() ? 1 : 0;
    } catch (error) {
        return 0;
    }
});
EM_JS(double, jsLoadedWidth, (), { return torvamikPage.loadedSize()[0]; });
EM_JS(double, jsLoadedHeight, (), { return torvamikPage.loadedSize()[1]; });
EM_ASYNC_JS(int, jsShowLoaded, (const char* description), {
    try {
        return await torvamikPage.show(UTF8ToString(description)) ? 1 : 0;
    } catch (error) {
        return 0;
    }
});
// clang-format on

constexpr int notFound = -1;
constexpr double maxBytes = static_cast<double>(maxPictureFileBytes);

}  // namespace

namespace page {

void preparePicture(std::string_view fileName) {
    jsPreparePicture(fileName.data(), byteCount(fileName), maxBytes);
}

void showPicture(std::string_view fileName) {
    const std::string name(fileName);
    const int size = jsPictureSize(name.data(), byteCount(name), maxBytes);
    if (size == notFound) throw RunTimeError::fileNotFound(name);
    if (size < 0) throw RunTimeError::invalidPicture(name);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (size > 0) jsCopyPicture(bytes.data());
    // Browsers draw a cut-off JPEG with a grey tail, and decode any JPEG however much memory it
    // takes, so the walk and the picture rule come first.
    const JpegCheck jpeg = checkJpeg(bytes.data(), bytes.size());
    if (jpeg.rejected || jsLoadPicture() == 0) throw RunTimeError::invalidPicture(name);
    const auto width = static_cast<std::int64_t>(jsLoadedWidth());
    const auto height = static_cast<std::int64_t>(jsLoadedHeight());
    if ((!jpeg.isJpeg && !fullSizePictureFits(width, height)) ||
        jsShowLoaded(jpeg.description.c_str()) == 0) {
        throw RunTimeError::invalidPicture(name);
    }
}

}  // namespace page
