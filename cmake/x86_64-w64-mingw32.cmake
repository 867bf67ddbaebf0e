# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# Cross-compiles the program as a 64-bit Windows program with MinGW-w64 (Debian:
# g++-mingw-w64-x86-64). The program ships as 32-bit; the tests play this build of the same sources
# on machines that cannot run 32-bit programs under wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TORVAMIK_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
