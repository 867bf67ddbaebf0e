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

#include "JpegCheck.h"
#include "JpegDecoder.h"
#include "Orientation.h"
#include "PictureFile.h"
#include "PictureRule.h"
#include "RunTimeError.h"
#include "WideText.h"

namespace gdip = Gdiplus::DllExports;

namespace {

struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
struct GdipImageDeleter {
    void operator()(Gdiplus::GpImage* image) const { gdip::GdipDisposeImage(image); }
};
struct GdipGraphicsDeleter {
    void operator()(Gdiplus::GpGraphics* graphics) const { gdip::GdipDeleteGraphics(graphics); }
};
struct GdipAttributesDeleter {
    void operator()(Gdiplus::GpImageAttributes* attributes) const {
        gdip::GdipDisposeImageAttributes(attributes);
    }
};
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using GdipImage = std::unique_ptr<Gdiplus::GpImage, GdipImageDeleter>;

// A decoded picture as GDI+ draws it; a JPEG's image refers to pixels, which therefore go last.
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

SourcePicture decodeJpegPicture(const std::vector<unsigned char>& bytes, int orientation, SIZE size,
                                const std::string& name) {
    // Orientations 5 to 8 store the picture on its side: it is decoded towards the turned box.
    const bool onItsSide = orientation >= 5 && orientation <= 8;
    std::optional<Pixels> decoded =
        decodeJpeg(bytes.data(), bytes.size(), onItsSide ? SIZE{size.cy, size.cx} : size);
    if (!decoded) throw RunTimeError::invalidPicture(name);
    Pixels upright = uprightPixels(std::move(*decoded), orientation);
    SourcePicture source{std::move(upright.bgrx), nullptr};
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromScan0(upright.width, upright.height, upright.width * 4,
                                        PixelFormat32bppRGB, source.pixels.data(),
                                        &bitmap) != Gdiplus::Ok ||
        !bitmap) {
        throw RunTimeError::invalidPicture(name);
    }
    source.image.reset(bitmap);
    return source;
}

// PNG, GIF, BMP and whatever else GDI+ reads; it decodes them at full size, so their size is
// checked before anything is drawn.
SourcePicture decodeOtherPicture(const std::vector<unsigned char>& bytes, const std::string& name) {
    const std::unique_ptr<IStream, ComReleaser> stream(
        SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
    if (!stream) throw RunTimeError::invalidPicture(name);
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromStream(stream.get(), &bitmap) != Gdiplus::Ok || !bitmap) {
        throw RunTimeError::invalidPicture(name);
    }
    SourcePicture source{{}, GdipImage(bitmap)};
    const SIZE full = imageSize(bitmap);
    if (!fullSizePictureFits(full.cx, full.cy)) throw RunTimeError::invalidPicture(name);
    return source;
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
    const std::unique_ptr<HDC__, DcDeleter> dc(CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) throw RunTimeError::invalidPicture(name);

    const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());
    Gdiplus::GpStatus status = Gdiplus::GenericError;
    Gdiplus::GpGraphics* raw = nullptr;
    if (gdip::GdipCreateFromHDC(dc.get(), &raw) == Gdiplus::Ok && raw) {
        const std::unique_ptr<Gdiplus::GpGraphics, GdipGraphicsDeleter> graphics(raw);
        gdip::GdipSetInterpolationMode(raw, Gdiplus::InterpolationModeHighQualityBicubic);
        gdip::GdipSetPixelOffsetMode(raw, Gdiplus::PixelOffsetModeHalf);
        // Mirrored tiling at the edges keeps the border pixels from fading into black.
        Gdiplus::GpImageAttributes* rawAttributes = nullptr;
        gdip::GdipCreateImageAttributes(&rawAttributes);
        const std::unique_ptr<Gdiplus::GpImageAttributes, GdipAttributesDeleter> attributes(
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
    // One walk over the file: whether a JPEG is refused, how it is turned, and its description.
    const JpegCheck jpeg = checkJpeg(bytes.data(), bytes.size());
    if (jpeg.rejected) throw RunTimeError::invalidPicture(name);
    const SourcePicture source = jpeg.isJpeg
                                     ? decodeJpegPicture(bytes, jpeg.orientation, size, name)
                                     : decodeOtherPicture(bytes, name);
    return {drawStretched(source.image.get(), size, name), toWide(jpeg.description)};
}
