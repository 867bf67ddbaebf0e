# Runs at install time: the desktop entry names the program and its picture folder by absolute
# path, so it is written for the prefix being installed to (cpack installs to /usr).
get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
set(TORVAMIK_INSTALLED_PROGRAM "${prefix}/${binDir}/torvamik")
set(TORVAMIK_INSTALLED_PICTURES "${prefix}/${pictureDir}")
# One staging file per destination, so parallel installs of one build tree do not collide.
string(SHA1 destination "$ENV{DESTDIR}|${prefix}")
set(staged "${stagingRoot}/${destination}/${TORVAMIK_APP_ID}.desktop")
configure_file("${template}" "${staged}" @ONLY)
file(INSTALL "${staged}" DESTINATION "${prefix}/${applicationsDir}")
