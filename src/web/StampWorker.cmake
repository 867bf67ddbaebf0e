# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# Writes FOLDER/worker.js from TEMPLATE with the list of the page's FILES, the picture NAMES and,
# as the name of its cache, a hash of their content, so that each build keeps its own copy and
# drops the last one.
# Usage: cmake -DFOLDER=... -DFILES=a,b,... -DNAMES=0.jpg,... -DTEMPLATE=... -P StampWorker.cmake
string(REPLACE "," ";" FILES "${FILES}")
set(digests "")
set(names "")
foreach(file IN LISTS FILES)
    file(SHA256 ${FOLDER}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
    list(APPEND names "'${file}'")
endforeach()
string(SHA256 build "${digests}")
string(SUBSTRING ${build} 0 16 build)
list(JOIN names ", " names)
string(REPLACE "," ";" pictures "${NAMES}")
list(TRANSFORM pictures REPLACE "(.+)" "'\\1'")
list(JOIN pictures ", " pictures)
file(READ ${TEMPLATE} worker)
string(REPLACE "@BUILD@" "${build}" worker "${worker}")
string(REPLACE "@PAGE_FILES@" "${names}" worker "${worker}")
string(REPLACE "@PICTURES@" "${pictures}" worker "${worker}")
file(WRITE ${FOLDER}/worker.js "${worker}")
