// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureLoader.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "JpegDecoder.h"
#include "Orientation.h"
#include "Owned.h"
#include "PictureCheck.h"
#include "PictureFile.h"
#include "RunTimeError.h"
#include "WebpDecoder.h"
#include "WideText.h"

namespace gdip = Gdiplus::DllExports;

namespace {

using GdipImage = Owned<Gdiplus::GpImage*, gdip::GdipDisposeImage>;

// A decoded picture as GDI+ draws it; a JPEG's or a WebP's image refers to pixels, which
// therefore go last.
struct SourcePicture {
    std::vector<unsigned char> pixels;
    GdipImage image;
};

SIZE imageSize(Gdiplus::GpImage* image) {
    UINT width = 0;
    UINT height = 0;
    if (gdip::GdipGetImageWidth(image, &width) != Gdiplus::Ok ||
        gdip::GdipGetImageHeight(image, &height) != Gdiplus::Ok) {
        return SIZE{0, 0};
    }
    return SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
}

// Decoded pixels as GDI+ draws them: a JPEG's opaque, a WebP's with premultiplied alpha.
SourcePicture pixelPicture(Pixels pixels, Gdiplus::PixelFormat format, const std::string& name) {
    SourcePicture source{std::move(pixels.bgrx), nullptr};
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromScan0(pixels.width, pixels.height, pixels.width * 4, format,
                                        source.pixels.data(), &bitmap) != Gdiplus::Ok ||
        !bitmap) {
        throw RunTimeError::invalidPicture(name);
    }
    source.image.reset(bitmap);
    return source;
}

SourcePicture decodeJpegPicture(const std::vector<unsigned char>& bytes, int orientation, SIZE size,
                                const std::string& name) {
    // Orientations 5 to 8 store the picture on its side: it is decoded towards the turned box.
    const bool onItsSide = orientation >= 5 && orientation <= 8;
    std::optional<Pixels> decoded =
        decodeJpeg(bytes.data(), bytes.size(), onItsSide ? SIZE{size.cy, size.cx} : size);
    if (!decoded) throw RunTimeError::invalidPicture(name);
    return pixelPicture(uprightPixels(std::move(*decoded), orientation), PixelFormat32bppRGB, name);
}

SourcePicture decodeWebpPicture(const std::vector<unsigned char>& bytes, SIZE size,
                                const std::string& name) {
    std::optional<Pixels> decoded = decodeWebp(bytes.data(), bytes.size(), size);
    if (!decoded) throw RunTimeError::invalidPicture(name);
    return pixelPicture(std::move(*decoded), PixelFormat32bppPARGB, name);
}

// PNG, GIF and BMP, which GDI+ decodes at full size, within the pixel cap the shared decision
// holds them to; an animated GIF shows its first frame.
SourcePicture decodeOtherPicture(const std::vector<unsigned char>& bytes, const std::string& name) {
    const Owned<IStream*, [](IUnknown* object) { object->Release(); }> stream(
        SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
    if (!stream) throw RunTimeError::invalidPicture(name);
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromStream(stream.get(), &bitmap) != Gdiplus::Ok || !bitmap) {
        throw RunTimeError::invalidPicture(name);
    }
    return {{}, GdipImage(bitmap)};
}

// Draws image stretched to size with smooth scaling, into a bitmap the screen takes as it is.
BitmapHandle drawStretched(Gdiplus::GpImage* image, SIZE size, const std::string& name) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    const Owned<HDC, DeleteDC> dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) throw RunTimeError::invalidPicture(name);

    const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
    // Where the picture is transparent, the window's background shows, as in an empty area.
    const RECT area{0, 0, size.cx, size.cy};
    FillRect(dc.get(), &area, GetSysColorBrush(COLOR_BTNFACE));
    Gdiplus::GpStatus status = Gdiplus::GenericError;
    Gdiplus::GpGraphics* raw = nullptr;
    if (gdip::GdipCreateFromHDC(dc.get(), &raw) == Gdiplus::Ok && raw) {
        const Owned<Gdiplus::GpGraphics*, gdip::GdipDeleteGraphics> graphics(raw);
        gdip::GdipSetInterpolationMode(raw, Gdiplus::InterpolationModeHighQualityBicubic);
        gdip::GdipSetPixelOffsetMode(raw, Gdiplus::PixelOffsetModeHalf);
        // Mirrored tiling at the edges keeps the border pixels from fading into black.
        Gdiplus::GpImageAttributes* rawAttributes = nullptr;
        gdip::GdipCreateImageAttributes(&rawAttributes);
        const Owned<Gdiplus::GpImageAttributes*, gdip::GdipDisposeImageAttributes> attributes(
            rawAttributes);
        if (attributes) {
            gdip::GdipSetImageAttributesWrapMode(attributes.get(), Gdiplus::WrapModeTileFlipXY, 0,
                                                 FALSE);
        }
        const SIZE source = imageSize(image);
        status = gdip::GdipDrawImageRectRectI(raw, image, 0, 0, size.cx, size.cy, 0, 0, source.cx,
                                              source.cy, Gdiplus::UnitPixel, attributes.get(),
                                              nullptr, nullptr);
    }
    SelectObject(dc.get(), previous);
    if (status != Gdiplus::Ok) throw RunTimeError::invalidPicture(name);
    return bitmap;
}

}  // namespace

GdiplusSession::GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
}

GdiplusSession::~GdiplusSession() {
    if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
}

LoadedPicture loadPicture(std::string_view fileName, SIZE size) {
    const std::string name(fileName);
    const std::vector<unsigned char> bytes = readPictureFile(name);
    // One reading of the file decides its format, and for a JPEG how it is turned and its
    // description.
    const PictureCheck picture = checkPicture(bytes.data(), bytes.size());
    SourcePicture source;
    switch (picture.format) {
        case PictureFormat::refused:
            throw RunTimeError::invalidPicture(name);
        case PictureFormat::jpeg:
            source = decodeJpegPicture(bytes, picture.orientation, size, name);
            break;
        case PictureFormat::webp:
            source = decodeWebpPicture(bytes, size, name);
            break;
        default:
            source = decodeOtherPicture(bytes, name);
    }
    return {drawStretched(source.image.get(), size, name), toWide(picture.description)};
}
