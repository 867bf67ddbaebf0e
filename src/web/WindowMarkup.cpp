// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "WindowMarkup.h"

#include <string_view>

namespace {

std::string escaped(std::string_view text) {
    std::string result;
    for (const char c : text) {
        switch (c) {
            case '&':
                result += "&amp;";
                break;
            case '<':
                result += "&lt;";
                break;
            case '>':
                result += "&gt;";
                break;
            case '"':
                result += "&quot;";
                break;
            case '\'':
                result += "&#39;";
                break;
            default:
                result += c;
        }
    }
    return result;
}

std::string px(int pixels) {
    return std::to_string(pixels) + "px";
}

std::string placement(const RectTwips& rect) {
    const RectPixels place = twips::toPixels(rect);
    return "position:absolute;left:" + px(place.left) + ";top:" + px(place.top) +
           ";width:" + px(place.width) + ";height:" + px(place.height) + ";";
}

std::string fontStyle(const FontDescription& font) {
    std::string decoration = font.underline ? "underline" : "";
    if (font.strikeOut) decoration += decoration.empty() ? "line-through" : " line-through";
    return "font-family:'" + escaped(font.face) +
           "',sans-serif;font-size:" + std::to_string(font.pixelSize) +
           "px;font-weight:" + std::to_string(font.weight) +
           ";font-style:" + (font.italic ? "italic" : "normal") +
           ";text-decoration:" + (decoration.empty() ? "none" : decoration) + ";";
}

}  // namespace

std::string windowMarkup(const ProgramDescription& description) {
    const FormDescription& form = description.form;
    const ButtonDescription& button = description.button;
    const PictureAreaDescription& picture = description.picture;
    const std::string width = px(twips::toPixels(form.clientWidth)),
                      height = px(twips::toPixels(form.clientHeight));
    // The page's style fits the window to the screen from its size and its button's font size.
    return "<div id=\"" + escaped(form.name) +
           "\" class=\"window\" style=\"--window-width:" + width + ";--window-height:" + height +
           ";--button-font-size:" + std::to_string(button.font.pixelSize) +
           "px;position:relative;width:" + width + ";height:" + height +
           "\"><div aria-live=\"polite\"><button id=\"" + escaped(button.name) +
           "\" type=\"button\" autofocus style=\"" + placement(button.rect) +
           fontStyle(button.font) + "\"" + (button.enabled ? "" : " disabled") + ">" +
           escaped(button.caption) + "</button></div><div id=\"" + escaped(picture.name) +
           "\" class=\"picture-area\" style=\"" + placement(picture.rect) + "\"></div></div>";
}
