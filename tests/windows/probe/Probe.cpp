// Reports what X cannot see of the program's windows under wine: the controls' rectangles, the
// button's caption and state, and the texts of every box. It polls and prints one line per change
// until the main window, once seen, is gone, or until SECONDS have passed.
// Usage: torvamik_probe SECONDS
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

std::string utf8(const std::wstring& wide) {
    std::string bytes(wide.size() * 3, '\0');
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<size_t>(length));
    return bytes;
}

// The text of a window, with line breaks written as \n so that one box stays one line.
std::string text(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    std::wstring shown;
    for (const wchar_t* c = buffer; *c; ++c)
        shown += *c == L'\n' ? std::wstring(L"\\n") : std::wstring(1, *c);
    return utf8(shown);
}

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::string rectangle(HWND child, HWND parent) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " +
           std::to_string(r.right - r.left) + " " + std::to_string(r.bottom - r.top);
}

// One line for a box: title|text|buttons, the mnemonic ampersands left out of the buttons.
std::string describeBox(HWND box) {
    std::string buttons;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[32] = {};
        GetClassNameW(child, kind, 32);
        if (std::wcscmp(kind, L"Button") != 0 || !IsWindowVisible(child)) continue;
        std::string caption = text(child);
        std::erase(caption, '&');
        buttons += (buttons.empty() ? "" : " ") + caption;
    }
    return "box " + text(box) + "|" + text(GetDlgItem(box, 0xFFFF)) + "|" + buttons;
}

// Prints "NAME VALUE" when VALUE differs from the one last printed.
void report(const char* name, const std::string& value, std::string& last) {
    if (value == last) return;
    last = value;
    std::printf("%s %s\n", name, value.c_str());
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    // Lines end in LF alone, as the shell that reads them expects.
    _setmode(_fileno(stdout), _O_BINARY);
    SetProcessDPIAware();
    const ULONGLONG end = GetTickCount64() + 1000ULL * (argc > 1 ? _wtoi(argv[1]) : 60);
    HWND main = nullptr, lastBox = nullptr;
    std::string caption, enabled;
    while (GetTickCount64() < end) {
        if (!main) {
            // The window counts once its last control is in place.
            const HWND form = FindWindowW(L"TorvamikForm", nullptr);
            const HWND picture = FindWindowExW(form, nullptr, L"TorvamikPicture", nullptr);
            if (form && picture) {
                main = form;
                RECT client{};
                GetClientRect(main, &client);
                say("client " + std::to_string(client.right) + " " + std::to_string(client.bottom) +
                    " button " + rectangle(FindWindowExW(main, nullptr, L"Button", nullptr), main) +
                    " picture " + rectangle(picture, main));
            }
        } else if (!IsWindow(main)) {
            return 0;
        } else if (const HWND button = FindWindowExW(main, nullptr, L"Button", nullptr)) {
            report("caption", text(button), caption);
            report("enabled", IsWindowEnabled(button) ? "1" : "0", enabled);
        }
        const HWND box = FindWindowW(L"#32770", nullptr);
        // A box is reported once its text is in place.
        if (box && box != lastBox && IsWindowVisible(box) &&
            !text(GetDlgItem(box, 0xFFFF)).empty()) {
            say(describeBox(box));
            lastBox = box;
        }
        Sleep(10);
    }
    say("probe: out of time");
    return 1;
}
