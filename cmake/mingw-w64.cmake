# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# What both MinGW-w64 toolchain files share; each sets TORVAMIK_MINGW_PREFIX and the processor
# first. The default (win32-threads) compiler suffices: the program uses no threads; the -posix
# variant serves where only it is installed.
set(CMAKE_SYSTEM_NAME Windows)

find_program(TORVAMIK_MINGW_CXX NAMES ${TORVAMIK_MINGW_PREFIX}-g++ ${TORVAMIK_MINGW_PREFIX}-g++-posix
             REQUIRED)
find_program(TORVAMIK_MINGW_CC NAMES ${TORVAMIK_MINGW_PREFIX}-gcc ${TORVAMIK_MINGW_PREFIX}-gcc-posix)
find_program(TORVAMIK_MINGW_WINDRES NAMES ${TORVAMIK_MINGW_PREFIX}-windres REQUIRED)

set(CMAKE_CXX_COMPILER ${TORVAMIK_MINGW_CXX})
if(TORVAMIK_MINGW_CC)
    set(CMAKE_C_COMPILER ${TORVAMIK_MINGW_CC})
endif()
set(CMAKE_RC_COMPILER ${TORVAMIK_MINGW_WINDRES})

set(CMAKE_FIND_ROOT_PATH /usr/${TORVAMIK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file that needs only the system's own DLLs. The same sources give the same file: no link
# time in its header, and no symbol table, where nasm's objects name their source by its full
# path (the libraries' debug sections go with it).
set(CMAKE_EXE_LINKER_FLAGS_INIT
    "-static -static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp -s")
