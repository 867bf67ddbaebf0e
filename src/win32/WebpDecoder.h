// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "Pixels.h"

// Decodes a WebP with libwebp, alpha premultiplied: a still picture larger than target both ways
// already reduced to target, an animation's first frame on its whole canvas. Nothing when libwebp
// gives up on the data; std::bad_alloc when memory runs out.
std::optional<Pixels> decodeWebp(const unsigned char* data, std::size_t size, SIZE target);
