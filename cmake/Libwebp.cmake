# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# libwebp for the Windows program, built from Debian's source package inside the cross build
# (static; only the decoder and the demuxer, whose animation decoder gives an animation's first
# frame) and offered as the target torvamik_libwebp. scripts/fetch-libjpeg-turbo puts the source
# where TORVAMIK_LIBWEBP_SOURCE points by default.
set(TORVAMIK_LIBWEBP_SOURCE ${PROJECT_SOURCE_DIR}/third-party/libwebp
    CACHE PATH "libwebp's source, as scripts/fetch-libjpeg-turbo unpacks it")
if(NOT EXISTS ${TORVAMIK_LIBWEBP_SOURCE}/src/webp/decode.h)
    message(FATAL_ERROR "No libwebp source in ${TORVAMIK_LIBWEBP_SOURCE}: run "
                        "scripts/fetch-libjpeg-turbo, or set TORVAMIK_LIBWEBP_SOURCE.")
endif()

include(ExternalProject)
set(webpBuild ${CMAKE_BINARY_DIR}/libwebp)
# libwebp's demuxer library would bring its encoder into the build, which takes twice as long as
# the decoder: only the demuxer's two objects are built, and linked as they are.
set(webpDemux CMakeFiles/webpdemux.dir/src/demux/anim_decode.c.obj
              CMakeFiles/webpdemux.dir/src/demux/demux.c.obj)
list(TRANSFORM webpDemux PREPEND ${webpBuild}/ OUTPUT_VARIABLE webpLibraries)
list(APPEND webpLibraries ${webpBuild}/libwebpdecoder.a)
set(webpOff)
foreach(part ANIM_UTILS CWEBP DWEBP GIF2WEBP IMG2WEBP VWEBP WEBPINFO LIBWEBPMUX WEBPMUX EXTRAS)
    list(APPEND webpOff -DWEBP_BUILD_${part}=OFF)
endforeach()
ExternalProject_Add(libwebp_build SOURCE_DIR ${TORVAMIK_LIBWEBP_SOURCE}
    BINARY_DIR ${webpBuild} CMAKE_GENERATOR Ninja INSTALL_COMMAND ""
    CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE} -DCMAKE_BUILD_TYPE=Release
               -DBUILD_SHARED_LIBS=OFF -DWEBP_USE_THREAD=OFF ${webpOff}
    BUILD_COMMAND ${CMAKE_COMMAND} --build ${webpBuild} --target webpdecoder ${webpDemux}
    BUILD_BYPRODUCTS ${webpLibraries})

add_library(torvamik_libwebp INTERFACE)
add_dependencies(torvamik_libwebp libwebp_build)
target_include_directories(torvamik_libwebp SYSTEM INTERFACE ${TORVAMIK_LIBWEBP_SOURCE}/src)
target_link_libraries(torvamik_libwebp INTERFACE ${webpLibraries})
