# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# Runs at install time: the desktop entry and the manual page name the program and its picture
# folder by absolute path, so they are written for the prefix being installed to.
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(TORVAMIK_INSTALLED_PROGRAM "${prefix}/${binDir}/torvamik")
set(TORVAMIK_INSTALLED_PICTURES "${prefix}/${pictureDir}")
# One staging folder per destination, so parallel installs of one build tree do not collide.
string(SHA1 destination "$ENV{DESTDIR}|${prefix}")
foreach(template destinationDir IN ZIP_LISTS templates destinationDirs)
    get_filename_component(name "${template}" NAME_WLE)
    set(staged "${stagingRoot}/${destination}/${name}")
    configure_file("${template}" "${staged}" @ONLY)
    file(INSTALL "${staged}" DESTINATION "${prefix}/${destinationDir}")
endforeach()
