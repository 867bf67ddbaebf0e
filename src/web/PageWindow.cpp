// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PageWindow.h"

#include <emscripten.h>

#include <string>

#include "ScriptText.h"

namespace {

// clang-format off
EM_JS(void, jsTakeOverWindow, (const char* formName, const char* buttonName,
                               const char* pictureName), {
    torvamikPage.takeOverWindow(UTF8ToString(formName), UTF8ToString(buttonName),
                                UTF8ToString(pictureName));
});
EM_ASYNC_JS(void, jsWaitForClick, (), { await torvamikPage.waitForClick(); });
EM_JS(void, jsSetCaption, (const char* text, int length), {
    torvamikPage.setCaption(UTF8ToString(text, length));
});
EM_JS(void, jsDisableButton, (), { torvamikPage.disableButton(); });
EM_JS(void, jsCloseWindow, (), { torvamikPage.closeWindow(); });
EM_ASYNC_JS(void, jsSleep, (int milliseconds), {
    torvamikPage.announcePicture();
    await new Promise(resolve => setTimeout(resolve, milliseconds));
});
// clang-format on

// A zero-terminated copy for the script; it lives until the end of the call's full expression.
std::string text(std::string_view view) {
    return std::string(view);
}

}  // namespace

namespace page {

void takeOverWindow(const ProgramDescription& description) {
    jsTakeOverWindow(text(description.form.name).c_str(), text(description.button.name).c_str(),
                     text(description.picture.name).c_str());
}

void waitForClick() {
    jsWaitForClick();
}

void setCaption(std::string_view text) {
    jsSetCaption(text.data(), byteCount(text));
}

void disableButton() {
    jsDisableButton();
}

void closeWindow() {
    jsCloseWindow();
}

void sleep(int milliseconds) {
    jsSleep(milliseconds);
}

}  // namespace page
