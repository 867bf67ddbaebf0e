// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

// The quiz speaks UTF-8; the Windows API speaks UTF-16.
std::wstring toWide(std::string_view utf8);
