// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PagePictures.h"

#include <emscripten.h>

#include <string>
#include <vector>

#include "PictureCheck.h"
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
EM_ASYNC_JS(int, jsLoadPicture, (int firstFrame), {
    try {
        return await torvamikPage.load(firstFrame != 0) ? 1 : 0;
    } catch (error) {
        return 0;
    }
});
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
    // Browsers draw a cut-off picture in part, decode any picture however much memory it takes
    // and read formats that the other ports refuse, so the shared decision comes first. Only a
    // JPEG cannot be animated.
    const PictureCheck picture = checkPicture(bytes.data(), bytes.size());
    if (picture.format == PictureFormat::refused ||
        jsLoadPicture(picture.format != PictureFormat::jpeg) == 0 ||
        jsShowLoaded(picture.description.c_str()) == 0) {
        throw RunTimeError::invalidPicture(name);
    }
}

}  // namespace page
