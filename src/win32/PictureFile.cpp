// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureFile.h"

#include <windows.h>

#include <algorithm>
#include <memory>

#include "Owned.h"
#include "PictureRule.h"
#include "RunTimeError.h"
#include "WideText.h"

namespace {

using FileHandle = Owned<HANDLE, CloseHandle>;

// ReadFile takes at most a DWORD at a time; smaller reads keep the system's buffers small.
constexpr std::size_t readChunkBytes = 16u << 20;

}  // namespace

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
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const auto wanted = static_cast<DWORD>((std::min)(bytes.size() - done, readChunkBytes));
        if (!ReadFile(raw, bytes.data() + done, wanted, &read, nullptr) || read == 0) {
            throw RunTimeError::invalidPicture(name);
        }
        done += read;
    }
    return bytes;
}
