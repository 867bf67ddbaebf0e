# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# Cross-compiles the native 32-bit Windows program with MinGW-w64 (Debian: g++-mingw-w64-i686).
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TORVAMIK_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
