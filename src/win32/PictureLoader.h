// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "Owned.h"

// Starts GDI+ for the life of the object; the loader needs it.
class GdiplusSession {
public:
    GdiplusSession();
    ~GdiplusSession();
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

// A picture ready for the picture control, and the description its file carries (empty when it
// has none), which a screen reader reads as the control's name.
struct LoadedPicture {
    BitmapHandle bitmap;
    std::wstring description;
};

// Reads a picture file by bare name from the current directory and draws it upright (as its EXIF
// orientation says) and stretched to fill size device pixels, into a bitmap that the screen can
// take as it is, on the window's background where the picture is transparent. A JPEG is decoded
// by libjpeg-turbo already reduced towards that size, a WebP by libwebp; PNG, GIF and BMP by
// GDI+ at full size.
// Throws RunTimeError 53 for a missing file and 481 for anything that the shared decision
// (PictureCheck.h) refuses or that does not decode.
LoadedPicture loadPicture(std::string_view fileName, SIZE size);
