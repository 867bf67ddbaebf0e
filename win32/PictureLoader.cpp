#include "PictureLoader.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <memory>
#include <string>
#include <vector>

#include "JpegCheck.h"
#include "PictureRule.h"
#include "RunTimeError.h"
#include "WideText.h"

namespace gdip = Gdiplus::DllExports;

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

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

// The whole file, read from a regular file only and refused above the size cap.
std::vector<unsigned char> readPictureFile(const std::string& name) {
    const std::wstring wideName = toWide(name);
    const HANDLE raw = CreateFileW(wideName.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (raw == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
            error == ERROR_INVALID_NAME || error == ERROR_BAD_PATHNAME) {
            throw RunTimeError::fileNotFound(name);
        }
        throw RunTimeError::invalidPicture(name);
    }
    const FileHandle file(raw);
    LARGE_INTEGER size{};
    if (GetFileType(raw) != FILE_TYPE_DISK || !GetFileSizeEx(raw, &size) || size.QuadPart <= 0 ||
        size.QuadPart > maxPictureFileBytes) {
        throw RunTimeError::invalidPicture(name);
    }
    std::vector<unsigned char> bytes(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD wanted = static_cast<DWORD>(
            (bytes.size() - done) > (1u << 24) ? (1u << 24) : bytes.size() - done);
        if (!ReadFile(raw, bytes.data() + done, wanted, &read, nullptr) || read == 0) {
            throw RunTimeError::invalidPicture(name);
        }
        done += read;
    }
    return bytes;
}

std::unique_ptr<Gdiplus::GpImage, GdipImageDeleter> decode(const std::vector<unsigned char>& bytes,
                                                           const std::string& name) {
    const std::unique_ptr<IStream, ComReleaser> stream(
        SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size())));
    if (!stream) throw RunTimeError::invalidPicture(name);
    Gdiplus::GpBitmap* bitmap = nullptr;
    if (gdip::GdipCreateBitmapFromStream(stream.get(), &bitmap) != Gdiplus::Ok || !bitmap) {
        throw RunTimeError::invalidPicture(name);
    }
    std::unique_ptr<Gdiplus::GpImage, GdipImageDeleter> image(bitmap);
    UINT width = 0;
    UINT height = 0;
    if (gdip::GdipGetImageWidth(image.get(), &width) != Gdiplus::Ok ||
        gdip::GdipGetImageHeight(image.get(), &height) != Gdiplus::Ok || width == 0 ||
        height == 0) {
        throw RunTimeError::invalidPicture(name);
    }
    return image;
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
    // One walk over the file: whether a JPEG is cut off, and the description it carries.
    const JpegCheck jpeg = checkJpeg(bytes.data(), bytes.size());
    if (jpeg.rejected) throw RunTimeError::invalidPicture(name);
    const auto image = decode(bytes, name);

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
    {
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
                gdip::GdipSetImageAttributesWrapMode(attributes.get(), Gdiplus::WrapModeTileFlipXY,
                                                     0, FALSE);
            }
            UINT width = 0;
            UINT height = 0;
            gdip::GdipGetImageWidth(image.get(), &width);
            gdip::GdipGetImageHeight(image.get(), &height);
            status = gdip::GdipDrawImageRectRectI(
                raw, image.get(), 0, 0, size.cx, size.cy, 0, 0, static_cast<INT>(width),
                static_cast<INT>(height), Gdiplus::UnitPixel, attributes.get(), nullptr, nullptr);
        }
    }
    SelectObject(dc.get(), previous);
    if (status != Gdiplus::Ok) throw RunTimeError::invalidPicture(name);
    return {std::move(bitmap), toWide(jpeg.description)};
}
