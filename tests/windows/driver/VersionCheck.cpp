#include "VersionCheck.h"

#include <windows.h>

#include <array>
#include <vector>

#include "Checks.h"
#include "ProgramUnderTest.h"

namespace {

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroupHeader {
    WORD reserved;
    WORD type;
    WORD count;
};
#pragma pack(pop)

struct ExpectedString {
    const wchar_t* key;
    const wchar_t* value;
};
constexpr std::array<ExpectedString, 10> expectedStrings{{
    {L"Comments", L"Torvamik!"},
    {L"FileDescription", L"Torvamik!"},
    {L"InternalName", L"Torvamik!"},
    {L"LegalTrademarks", L"Torvamik!"},
    {L"ProductName", L"Torvamik!"},
    {L"OriginalFilename", L"Torvamik!.exe"},
    {L"FileVersion", L"1.00"},
    {L"ProductVersion", L"1.00"},
    {L"CompanyName", L"Torvamik! developers"},
    {L"LegalCopyright", L"Torvamik! developers"},
}};

void checkIcon(Checks& checks, const std::wstring& exe) {
    const HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!checks.expect(module != nullptr, "cannot open the file's resources")) return;
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14));
    const auto* group =
        resource ? static_cast<const IconGroupHeader*>(LockResource(LoadResource(module, resource)))
                 : nullptr;
    if (checks.expect(group != nullptr, "no icon group 1") &&
        checks.expect(group->count == 3, "icon images: " + std::to_string(group->count))) {
        const auto* entries = reinterpret_cast<const IconGroupEntry*>(group + 1);
        const std::array<std::array<int, 4>, 3> expected{
            {{32, 32, 2, 1}, {32, 32, 16, 4}, {16, 16, 16, 4}}};
        for (int i = 0; i < 3; ++i) {
            const IconGroupEntry& entry = entries[i];
            checks.expect(
                entry.width == expected[i][0] && entry.height == expected[i][1] &&
                    entry.colourCount == expected[i][2] && entry.bitCount == expected[i][3],
                "icon image " + std::to_string(i + 1) + ": " + std::to_string(entry.width) + "x" +
                    std::to_string(entry.height) + ", " + std::to_string(entry.colourCount) +
                    " colours, " + std::to_string(entry.bitCount) + " bits");
        }
    }
    FreeLibrary(module);
}

}  // namespace

int checkVersionRecord(const std::wstring& exe) {
    Checks checks;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    std::vector<BYTE> record(size);
    if (!checks.expect(size > 0 && GetFileVersionInfoW(exe.c_str(), 0, size, record.data()),
                       "the file has no version record")) {
        return checks.failures();
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (checks.expect(
            VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) &&
                fixed,
            "no fixed version information")) {
        checks.expect(fixed->dwFileVersionMS == 0x00010000 && fixed->dwFileVersionLS == 0,
                      "file version is not 1.0.0.0");
        checks.expect(fixed->dwProductVersionMS == 0x00010000 && fixed->dwProductVersionLS == 0,
                      "product version is not 1.0.0.0");
        checks.expect(fixed->dwFileType == VFT_APP, "file type is not an application");
        checks.expect(fixed->dwFileOS == VOS__WINDOWS32, "file is not for 32-bit Windows");
    }
    WORD* translation = nullptr;
    if (checks.expect(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                                     reinterpret_cast<void**>(&translation), &length) &&
                          length >= 4,
                      "no translation entry")) {
        checks.expect(
            translation[0] == 0x0409 && translation[1] == 1200,
            "translation " + std::to_string(translation[0]) + "/" + std::to_string(translation[1]));
    }
    for (const ExpectedString& expected : expectedStrings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + expected.key;
        wchar_t* value = nullptr;
        const bool found = VerQueryValueW(record.data(), path.c_str(),
                                          reinterpret_cast<void**>(&value), &length) &&
                           value;
        const std::wstring text = found ? std::wstring(value) : std::wstring();
        checks.expect(found && text == expected.value,
                      toUtf8(expected.key) + " is \"" + toUtf8(text) + "\"");
    }
    checkIcon(checks, exe);
    return checks.failures();
}
