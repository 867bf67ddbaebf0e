#include "PageBoxes.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_ASYNC_JS(int, jsAskJahEi, (const char* prompt, int promptLength, const char* title,
                              int titleLength), {
    return await torvamikPage.box(UTF8ToString(title, titleLength),
                                  UTF8ToString(prompt, promptLength),
                                  [['Jah', 'j', 1], ['Ei', 'e', 0]], null);
});
EM_ASYNC_JS(void, jsShowOk, (const char* prompt, int promptLength, const char* title,
                             int titleLength), {
    await torvamikPage.box(UTF8ToString(title, titleLength), UTF8ToString(prompt, promptLength),
                           [['OK', null, 1]], 1);
});
// clang-format on

int length(std::string_view text) {
    return static_cast<int>(text.size());
}

}  // namespace

namespace page {

bool askJahEi(std::string_view prompt, std::string_view title) {
    return jsAskJahEi(prompt.data(), length(prompt), title.data(), length(title)) != 0;
}

void showOk(std::string_view prompt, std::string_view title) {
    jsShowOk(prompt.data(), length(prompt), title.data(), length(title));
}

}  // namespace page
