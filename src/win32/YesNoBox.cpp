// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "YesNoBox.h"

#include <cwchar>

#include "Owned.h"

namespace {

using HookHandle = Owned<HHOOK, UnhookWindowsHookEx>;

bool isYesNoBox(HWND window) {
    wchar_t className[8] = {};
    return GetClassNameW(window, className, 8) > 0 && std::wcscmp(className, L"#32770") == 0 &&
           GetDlgItem(window, IDYES) && GetDlgItem(window, IDNO);
}

// The box is filled in with the system's words before it first becomes active, which is the
// moment to put ours in, before it is shown or read.
LRESULT CALLBACK relabelOnActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto window = reinterpret_cast<HWND>(wParam);
        if (isYesNoBox(window)) {
            SetDlgItemTextW(window, IDYES, L"&Jah");
            SetDlgItemTextW(window, IDNO, L"&Ei");
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int askJahEi(HWND owner, const std::wstring& text, const std::wstring& title) {
    // Only this thread's windows, and only while the box is open.
    const HookHandle hook(
        SetWindowsHookExW(WH_CBT, relabelOnActivation, nullptr, GetCurrentThreadId()));
    // No close button and no Escape: the box ends only through one of the two answers; no icon
    // flag, so it shows none.
    return MessageBoxW(owner, text.c_str(), title.c_str(),
                       MB_YESNO | MB_DEFBUTTON1 | MB_APPLMODAL | MB_SETFOREGROUND);
}
