#include "PageBoxes.h"

#include <emscripten.h>

#include "RunTimeError.h"

namespace {

// A box that fails in the page's script answers -1 rather than leave the program suspended.
// clang-format off
EM_ASYNC_JS(int, jsAskJahEi, (const char* prompt, int promptLength, const char* title,
                              int titleLength), {
    try {
        return await torvamikPage.box(UTF8ToString(title, titleLength),
                                      UTF8ToString(prompt, promptLength),
                                      [['Jah', 'j', 1], ['Ei', 'e', 0]], null);
    } catch (error) {
        return -1;
    }
});
EM_ASYNC_JS(int, jsShowOk, (const char* prompt, int promptLength, const char* title,
                            int titleLength), {
    try {
        return await torvamikPage.box(UTF8ToString(title, titleLength),
                                      UTF8ToString(prompt, promptLength), [['OK', null, 1]], 1);
    } catch (error) {
        return -1;
    }
});
// clang-format on

int length(std::string_view text) {
    return static_cast<int>(text.size());
}

// As on Windows, a box that cannot be shown is reported as memory that ran out.
int shown(int answer) {
    if (answer < 0) throw RunTimeError::outOfMemory();
    return answer;
}

}  // namespace

namespace page {

bool askJahEi(std::string_view prompt, std::string_view title) {
    return shown(jsAskJahEi(prompt.data(), length(prompt), title.data(), length(title))) != 0;
}

void showOk(std::string_view prompt, std::string_view title) {
    shown(jsShowOk(prompt.data(), length(prompt), title.data(), length(title)));
}

}  // namespace page
