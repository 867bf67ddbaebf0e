// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A picture's description travels in a JPEG comment (COM) segment before the picture data, as Qt
// writes QImage::setText("Description", ...) and reads it back: "Description: text", or a comment
// with no "Key: " in front of it at all. The first such comment is the picture's description.
// A description never fails a picture: a comment that is not UTF-8 or holds control characters
// gives no description. (A comment cut off by the end of the file cuts off the file, which fails
// the picture for that reason.)

// The most bytes of UTF-8 a description keeps; a longer one is cut after its last whole
// character.
inline constexpr std::size_t maxDescriptionBytes = 1000;

// The description one comment gives: nothing when the comment is another key's text, an empty
// string when it is a description that cannot be used, otherwise its text with every run of
// white space made one space and the ends trimmed, cut to maxDescriptionBytes.
std::optional<std::string> descriptionInComment(std::string_view comment);
