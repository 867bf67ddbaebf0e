// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "Pixels.h"

// The libjpeg-turbo reduction M/8 that Qt's jpeg plugin picks for a read at target size: the
// smallest M from 1 to 8 whose output still covers target in both dimensions, but no more than
// the picture rule's output allows.
int jpegScaleEighths(int width, int height, SIZE target);

// Decodes a JPEG with libjpeg-turbo at that reduction (target as stored, before any EXIF turn),
// CMYK included. Nothing when libjpeg gives up on the data; std::bad_alloc when memory runs out.
// libjpeg's warnings about tolerated damage stay silent.
std::optional<Pixels> decodeJpeg(const unsigned char* data, std::size_t size, SIZE target);
