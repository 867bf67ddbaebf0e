// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "JpegDescription.h"

namespace {

constexpr std::string_view descriptionKey = "Description";

bool isSpace(unsigned char byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// The length of the UTF-8 sequence at the start of text, 0 if it is no well-formed one (overlong
// forms, surrogates and values past U+10FFFF included) or a control character other than space.
std::size_t sequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return (lead >= 0x20 && lead != 0x7F) || isSpace(lead) ? 1 : 0;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    if (lead == 0xC2 && byte(1) < 0xA0) return 0;  // C1 control characters
    return length;
}

// The comment's text, or nothing if it is another key's text; Qt reads "Key: value" as a key
// only when the key has no space in it.
std::optional<std::string_view> descriptionText(std::string_view comment) {
    const std::size_t colon = comment.find(": ");
    if (colon == std::string_view::npos || comment.find(' ') < colon) return comment;
    if (comment.substr(0, colon) != descriptionKey) return std::nullopt;
    return comment.substr(colon + 2);
}

}  // namespace

std::optional<std::string> descriptionInComment(std::string_view comment) {
    // Some writers end a comment with the C string's zero byte.
    while (!comment.empty() && comment.back() == '\0') comment.remove_suffix(1);
    const std::optional<std::string_view> text = descriptionText(comment);
    if (!text) return std::nullopt;

    std::string description;
    std::string_view rest = *text;
    bool spaceBefore = false;
    bool full = false;
    while (!rest.empty()) {
        const std::size_t length = sequenceLength(rest);
        if (length == 0) return std::string();
        if (length == 1 && isSpace(static_cast<unsigned char>(rest[0]))) {
            spaceBefore = !description.empty();
        } else if (!full) {
            const std::size_t needed = length + (spaceBefore ? 1 : 0);
            if (description.size() + needed > maxDescriptionBytes) {
                full = true;  // the rest is still checked: a bad field is no description
            } else {
                if (spaceBefore) description.push_back(' ');
                description.append(rest.substr(0, length));
                spaceBefore = false;
            }
        }
        rest.remove_prefix(length);
    }
    return description;
}
