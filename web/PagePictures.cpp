#include "PagePictures.h"

#include <emscripten.h>

#include <string>
#include <vector>

#include "JpegCheck.h"
#include "RunTimeError.h"

namespace {

// clang-format off
EM_JS(void, jsPreparePicture, (const char* name, int length), {
    torvamikPage.prepare(UTF8ToString(name, length));
});
EM_ASYNC_JS(int, jsPictureSize, (const char* name, int length), {
    return await torvamikPage.pictureSize(UTF8ToString(name, length));
});
EM_JS(void, jsCopyPicture, (unsigned char* destination), {
    torvamikPage.copyPicture(destination);
});
EM_ASYNC_JS(int, jsShowDecoded, (const char* name, int length, const char* description), {
    return await torvamikPage.show(UTF8ToString(name, length), UTF8ToString(description)) ? 1 : 0;
});
// clang-format on

int length(std::string_view text) {
    return static_cast<int>(text.size());
}

}  // namespace

namespace page {

void preparePicture(std::string_view fileName) {
    jsPreparePicture(fileName.data(), length(fileName));
}

void showPicture(std::string_view fileName) {
    const int size = jsPictureSize(fileName.data(), length(fileName));
    if (size < 0) throw RunTimeError::fileNotFound(std::string(fileName));
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    if (size > 0) jsCopyPicture(bytes.data());
    // Browsers draw a cut-off JPEG with a grey tail, so the end marker is checked here first.
    const JpegCheck jpeg = checkJpeg(bytes.data(), bytes.size());
    if (jpeg.rejected) throw RunTimeError::invalidPicture(std::string(fileName));
    if (jsShowDecoded(fileName.data(), length(fileName), jpeg.description.c_str()) == 0) {
        throw RunTimeError::invalidPicture(std::string(fileName));
    }
}

}  // namespace page
