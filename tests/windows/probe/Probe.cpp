// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// Reports what X cannot see of the program's windows under wine: the controls' rectangles, the
// button's caption and state, the picture's text for screen readers, and the texts of every box,
// one line per change, until the main window, once seen, is gone or SECONDS have passed. Line
// breaks in a text are written as tabs. Usage: probe SECONDS
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

namespace {

// Nothing when the window went while it was read: a window that is gone reads as no text, which
// must not pass for a caption the program set.
std::optional<std::string> text(HWND window) {
    wchar_t wide[1024] = {};
    char bytes[4096] = {};
    GetWindowTextW(window, wide, 1024);
    if (!IsWindow(window)) return std::nullopt;
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, bytes, sizeof bytes, nullptr, nullptr);
    std::string line(bytes);
    std::replace(line.begin(), line.end(), '\n', '\t');
    return line;
}

std::string rectangle(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top);
}

void report(const char* name, const std::string& value, std::string& last) {
    if (value == last) return;
    last = value;
    std::printf("%s %s\n", name, value.c_str());
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF alone, as the shell expects
    SetProcessDPIAware();
    const ULONGLONG end = GetTickCount64() + 1000ULL * (argc > 1 ? _wtoi(argv[1]) : 60);
    HWND main = nullptr;
    std::string layout, shownCaption, enabled, shownDescription, box;
    for (; GetTickCount64() < end && (!main || IsWindow(main)); Sleep(10)) {
        const HWND form = FindWindowW(L"TorvamikForm", nullptr);
        const HWND button = FindWindowExW(form, nullptr, L"Button", nullptr);
        const HWND picture = FindWindowExW(form, nullptr, L"TorvamikPicture", nullptr);
        const auto caption = text(button), description = text(picture);
        if (button && picture && caption && description) {
            main = form;
            RECT client{};
            GetClientRect(form, &client);
            report("client",
                   std::to_string(client.right) + " " + std::to_string(client.bottom) + " button " +
                       rectangle(button, form) + " picture " + rectangle(picture, form),
                   layout);
            report("caption", *caption, shownCaption);
            report("enabled", IsWindowEnabled(button) ? "1" : "0", enabled);
            report("picture", *description, shownDescription);
        }
        // A box once it is filled in, which is when one of its buttons has the focus:
        // title|text|buttons, without their mnemonic marks.
        const HWND open = FindWindowW(L"#32770", nullptr);
        GUITHREADINFO focus{};
        focus.cbSize = sizeof focus;
        if (!open || !GetGUIThreadInfo(GetWindowThreadProcessId(open, nullptr), &focus) ||
            !IsChild(open, focus.hwndFocus)) {
            continue;
        }
        std::string line =
            text(open).value_or("") + "|" + text(GetDlgItem(open, 0xFFFF)).value_or("") + "|";
        for (HWND b = nullptr; (b = FindWindowExW(open, b, L"Button", nullptr));) {
            if (GetWindowLongW(b, GWL_STYLE) & WS_VISIBLE) line += text(b).value_or("") + " ";
        }
        std::erase(line, '&');
        // A closing box is hidden before its buttons go: a read that overlapped that is dropped.
        if (!IsWindowVisible(open)) continue;
        report("box", line.substr(0, line.size() - 1), box);
    }
    return main && !IsWindow(main) ? 0 : 1;
}
