# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# libjpeg-turbo for the Windows program, built from Debian's source package inside the cross build
# (static, SIMD through nasm) and offered as the target torvamik_libjpeg. scripts/fetch-libjpeg-turbo
# puts the source where TORVAMIK_LIBJPEG_TURBO_SOURCE points by default.
set(TORVAMIK_LIBJPEG_TURBO_SOURCE ${PROJECT_SOURCE_DIR}/third-party/libjpeg-turbo
    CACHE PATH "libjpeg-turbo's source, as scripts/fetch-libjpeg-turbo unpacks it")
if(NOT EXISTS ${TORVAMIK_LIBJPEG_TURBO_SOURCE}/jpeglib.h)
    message(FATAL_ERROR "No libjpeg-turbo source in ${TORVAMIK_LIBJPEG_TURBO_SOURCE}: run "
                        "scripts/fetch-libjpeg-turbo, or set TORVAMIK_LIBJPEG_TURBO_SOURCE.")
endif()
find_program(TORVAMIK_NASM nasm REQUIRED)

include(ExternalProject)
set(jpegBuild ${CMAKE_BINARY_DIR}/libjpeg-turbo)
set(jpegLibrary ${jpegBuild}/libjpeg.a)
# Only the static library: no shared one, no TurboJPEG, no programs; nothing is installed, but
# its default Windows prefix (c:/...) would fail on this side. Its build string is a date, given
# at every configure: the day of SOURCE_DATE_EPOCH where that is set (CMake reads it).
string(TIMESTAMP jpegBuildDate "%Y%m%d" UTC)
ExternalProject_Add(libjpeg_turbo_build SOURCE_DIR ${TORVAMIK_LIBJPEG_TURBO_SOURCE}
    BINARY_DIR ${jpegBuild} CMAKE_GENERATOR Ninja INSTALL_COMMAND ""
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
               -DBUILD=${jpegBuildDate}
               -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON
               -DREQUIRE_SIMD=ON -DCMAKE_ASM_NASM_COMPILER=${TORVAMIK_NASM}
               -DCMAKE_INSTALL_PREFIX=${jpegBuild}/install -DCMAKE_POLICY_DEFAULT_CMP0058=NEW
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${jpegBuild} --target jpeg-static
    BUILD_BYPRODUCTS ${jpegLibrary})

add_library(torvamik_libjpeg INTERFACE)
add_dependencies(torvamik_libjpeg libjpeg_turbo_build)
target_include_directories(torvamik_libjpeg SYSTEM INTERFACE ${TORVAMIK_LIBJPEG_TURBO_SOURCE}
                           ${jpegBuild})
target_link_libraries(torvamik_libjpeg INTERFACE ${jpegLibrary})
