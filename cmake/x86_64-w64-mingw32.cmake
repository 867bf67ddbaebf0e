# Cross-compiles the program as a 64-bit Windows program with MinGW-w64 (Debian:
# g++-mingw-w64-x86-64). The program ships as 32-bit; the tests play this build of the same sources
# on machines that cannot run 32-bit programs under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TORVAMIK_MINGW_PREFIX x86_64-w64-mingw32)
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

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
