#include "PageWindow.h"

#include <emscripten.h>

#include <string>

namespace {

// clang-format off
EM_JS(void, jsBuildWindow, (const char* formName, const char* caption, int width, int height,
                            const char* buttonName, const char* buttonCaption, int buttonEnabled,
                            int buttonLeft, int buttonTop, int buttonWidth, int buttonHeight,
                            const char* face, int size, int weight, int italic, int underline,
                            int strikeOut, const char* pictureName, int pictureLeft,
                            int pictureTop, int pictureWidth, int pictureHeight), {
    torvamikPage.buildWindow(
        {name: UTF8ToString(formName), caption: UTF8ToString(caption), width, height},
        {name: UTF8ToString(buttonName), caption: UTF8ToString(buttonCaption),
         enabled: !!buttonEnabled, rect: [buttonLeft, buttonTop, buttonWidth, buttonHeight]},
        {face: UTF8ToString(face), size, weight, italic: !!italic, underline: !!underline,
         strikeOut: !!strikeOut},
        {name: UTF8ToString(pictureName),
         rect: [pictureLeft, pictureTop, pictureWidth, pictureHeight]});
});
EM_ASYNC_JS(void, jsWaitForClick, (), { await torvamikPage.waitForClick(); });
EM_JS(void, jsSetCaption, (const char* text, int length), {
    torvamikPage.setCaption(UTF8ToString(text, length));
});
EM_JS(void, jsDisableButton, (), { torvamikPage.disableButton(); });
EM_JS(void, jsCloseWindow, (), { torvamikPage.closeWindow(); });
EM_ASYNC_JS(void, jsSleep, (int milliseconds), {
    await new Promise(resolve => setTimeout(resolve, milliseconds));
});
// clang-format on

// A zero-terminated copy for the script; it lives until the end of the call's full expression.
std::string text(std::string_view view) {
    return std::string(view);
}

}  // namespace

namespace page {

void buildWindow(const ProgramDescription& description) {
    const FormDescription& form = description.form;
    const ButtonDescription& button = description.button;
    const FontDescription& font = button.font;
    const RectTwips& picture = description.picture.rect;
    jsBuildWindow(text(form.name).c_str(), text(form.caption).c_str(),
                  twips::toPixels(form.clientWidth), twips::toPixels(form.clientHeight),
                  text(button.name).c_str(), text(button.caption).c_str(), button.enabled,
                  twips::toPixels(button.rect.left), twips::toPixels(button.rect.top),
                  twips::toPixels(button.rect.width), twips::toPixels(button.rect.height),
                  text(font.face).c_str(), font.pixelSize, font.weight, font.italic, font.underline,
                  font.strikeOut, text(description.picture.name).c_str(),
                  twips::toPixels(picture.left), twips::toPixels(picture.top),
                  twips::toPixels(picture.width), twips::toPixels(picture.height));
}

void waitForClick() {
    jsWaitForClick();
}

void setCaption(std::string_view text) {
    jsSetCaption(text.data(), static_cast<int>(text.size()));
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
