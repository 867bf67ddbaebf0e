// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PageBoxes.h"

#include <emscripten.h>

#include "RunTimeError.h"
#include "ScriptText.h"

namespace {

// A box that fails in the page's script answers -1 rather than leave the program suspended.
// clang-format off
EM_ASYNC_JS(int, jsAskYesNo, (const char* prompt, int promptLength, const char* title,
                              int titleLength), {
    try {
        return await torvamikPage.box(UTF8ToString(title, titleLength),
                                      UTF8ToString(prompt, promptLength),
                                      [['Jah', 'j', 1], ['Ei', 'e', 0]], null, true);
    } catch (error) {
        return -1;
    }
});
EM_ASYNC_JS(int, jsShowMessage, (const char* prompt, int promptLength, const char* title,
                            int titleLength), {
    try {
        return await torvamikPage.box(UTF8ToString(title, titleLength),
                                      UTF8ToString(prompt, promptLength), [['OK', null, 1]], 1);
    } catch (error) {
        return -1;
    }
});
// clang-format on

// As on Windows, a box that cannot be shown is reported as memory that ran out.
int shown(int answer) {
    if (answer < 0) throw RunTimeError::outOfMemory();
    return answer;
}

}  // namespace

namespace page {

bool askYesNo(std::string_view prompt, std::string_view title) {
    return shown(jsAskYesNo(prompt.data(), byteCount(prompt), title.data(), byteCount(title))) != 0;
}

void showMessage(std::string_view prompt, std::string_view title) {
    shown(jsShowMessage(prompt.data(), byteCount(prompt), title.data(), byteCount(title)));
}

}  // namespace page
