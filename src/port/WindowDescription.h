// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

class UiPort;

// The program's window as static data: one form with a push button and a picture area, and the
// one event that is bound. Every length is in twips (1/1440 inch); toPixels() is the only place
// where they become logical pixels.
struct RectTwips {
    int left;
    int top;
    int width;
    int height;
};

struct RectPixels {
    int left;
    int top;
    int width;
    int height;
};

namespace twips {
inline constexpr int perPixel = 15;  // at 96 dots per inch
constexpr int toPixels(int twips) {
    return twips / perPixel;
}
constexpr RectPixels toPixels(const RectTwips& rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}
}  // namespace twips

struct FontDescription {
    std::string_view face;
    int pixelSize;  // at 96 dots per inch
    int weight;     // 400 is normal
    bool italic;
    bool underline;
    bool strikeOut;
    int charSet;  // 186: Baltic
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth;   // twips
    int clientHeight;  // twips
};

struct ButtonDescription {
    std::string_view name;
    std::string_view caption;
    RectTwips rect;
    FontDescription font;
    bool enabled;
};

struct PictureAreaDescription {
    std::string_view name;
    RectTwips rect;
};

using ClickHandler = void (*)(UiPort&);

struct ProgramDescription {
    FormDescription form;
    ButtonDescription button;
    PictureAreaDescription picture;
    ClickHandler onButtonClick;  // the only event handler of the program
};
