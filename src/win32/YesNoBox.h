// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <string>

// The system's own Yes/No message box, whose buttons read Jah and Ei (J and E answer) whatever
// the system's language; screen readers read it as any message box. Returns what MessageBoxW
// returns: IDYES, IDNO, or 0 when the box could not be shown.
int askJahEi(HWND owner, const std::wstring& text, const std::wstring& title);
