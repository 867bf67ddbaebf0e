#include "ProgramUnderTest.h"

#include <stdexcept>

namespace {

constexpr DWORD pollMs = 10;
constexpr int messageBoxTextId = 0xFFFF;

struct Search {
    DWORD processId;
    HWND found = nullptr;
    bool wantBox;
};

BOOL CALLBACK findTopLevel(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.processId || !IsWindowVisible(window)) return TRUE;
    const bool isBox = className(window) == L"#32770";
    if (isBox != search.wantBox) return TRUE;
    search.found = window;
    return FALSE;
}

HWND findTopLevelWindow(DWORD processId, bool box) {
    Search search{processId, nullptr, box};
    EnumWindows(findTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> result;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&result));
    return result;
}

std::wstring withoutMnemonics(std::wstring text) {
    std::wstring result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        result += text[i];
    }
    return result;
}

}  // namespace

std::wstring windowText(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

std::wstring className(HWND window) {
    wchar_t buffer[256] = {};
    GetClassNameW(window, buffer, 256);
    return buffer;
}

std::wstring fromUtf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                        length);
    return wide;
}

std::string toUtf8(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length,
                        nullptr, nullptr);
    return utf8;
}

ProgramUnderTest::ProgramUnderTest(const std::wstring& exe, const std::wstring& folder) {
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process_)) {
        throw std::runtime_error("cannot start " + toUtf8(exe) + " (error " +
                                 std::to_string(GetLastError()) + ")");
    }
}

ProgramUnderTest::~ProgramUnderTest() {
    if (!hasExited()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND ProgramUnderTest::waitForMainWindow(DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (GetTickCount64() < end) {
        main_ = findTopLevelWindow(process_.dwProcessId, false);
        if (main_) {
            for (HWND child : children(main_)) {
                if (className(child) == L"Button")
                    button_ = child;
                else
                    picture_ = child;
            }
            if (button_ && picture_) return main_;
        }
        if (hasExited()) throw std::runtime_error("the program ended before showing its window");
        Sleep(pollMs);
    }
    throw std::runtime_error("the main window did not appear");
}

HWND ProgramUnderTest::openBox() const {
    return findTopLevelWindow(process_.dwProcessId, true);
}

BoxContents ProgramUnderTest::waitForBox(DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    HWND box = nullptr;
    while (!(box = openBox())) {
        if (GetTickCount64() >= end) throw std::runtime_error("no message box appeared");
        if (hasExited()) throw std::runtime_error("the program ended instead of showing a box");
        Sleep(pollMs);
    }
    // The box is shown before its last child is placed; give it a moment to settle.
    Sleep(50);
    BoxContents contents;
    contents.handle = box;
    contents.title = windowText(box);
    for (HWND child : children(box)) {
        const std::wstring kind = className(child);
        if (GetDlgCtrlID(child) == messageBoxTextId) contents.text = windowText(child);
        if (!IsWindowVisible(child)) continue;
        if (kind == L"Button") contents.buttons.push_back(withoutMnemonics(windowText(child)));
        const LONG style = GetWindowLongW(child, GWL_STYLE);
        if (kind == L"Static" && (style & SS_TYPEMASK) == SS_ICON &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            contents.hasIcon = true;
        }
    }
    return contents;
}

void ProgramUnderTest::answer(const BoxContents& box, const std::wstring& buttonCaption,
                              DWORD timeoutMs) const {
    HWND target = nullptr;
    for (HWND child : children(box.handle)) {
        if (className(child) == L"Button" && withoutMnemonics(windowText(child)) == buttonCaption) {
            target = child;
        }
    }
    if (!target) throw std::runtime_error("the box has no button " + toUtf8(buttonCaption));
    // Posted, not sent: the box runs its own modal loop in the program.
    PostMessageW(target, BM_CLICK, 0, 0);
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (IsWindow(box.handle) && IsWindowVisible(box.handle)) {
        if (GetTickCount64() >= end) throw std::runtime_error("the box did not close");
        Sleep(pollMs);
    }
}

void ProgramUnderTest::clickStartButton() const {
    PostMessageW(button_, BM_CLICK, 0, 0);
}

std::wstring ProgramUnderTest::buttonText() const {
    return windowText(button_);
}

bool ProgramUnderTest::buttonEnabled() const {
    return IsWindowEnabled(button_) != FALSE;
}

bool ProgramUnderTest::buttonHasFocus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(main_, nullptr);
    return GetGUIThreadInfo(thread, &info) && info.hwndFocus == button_;
}

RECT ProgramUnderTest::clientRect() const {
    RECT rect{};
    GetClientRect(main_, &rect);
    return rect;
}

RECT ProgramUnderTest::childRect(HWND child) const {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<COLORREF> ProgramUnderTest::pictureSamples() const {
    RECT area{};
    GetClientRect(picture_, &area);
    POINT points[] = {{area.left + 12, area.bottom - 12}, {area.right - 12, area.top + 12}};
    std::vector<COLORREF> colours;
    const HDC screen = GetDC(nullptr);
    for (POINT point : points) {
        ClientToScreen(picture_, &point);
        colours.push_back(GetPixel(screen, point.x, point.y));
    }
    ReleaseDC(nullptr, screen);
    return colours;
}

DWORD ProgramUnderTest::waitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        throw std::runtime_error("the program did not end");
    }
    DWORD status = 0;
    GetExitCodeProcess(process_.hProcess, &status);
    return status;
}

bool ProgramUnderTest::hasExited() const {
    return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
}
