// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// A text goes to the page's script as its UTF-8 bytes and their count, which UTF8ToString reads;
// no copy with a terminating zero is needed.
inline int byteCount(std::string_view text) {
    return static_cast<int>(text.size());
}
