# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# Writes the page with the window's markup in place of its <!-- window --> line.
# Usage: cmake -DNODE=... -DMARKUP_TOOL=... -DTEMPLATE=... -DOUTPUT=... -P FillPage.cmake
execute_process(COMMAND ${NODE} ${MARKUP_TOOL} OUTPUT_VARIABLE markup COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${markup}" markup)
file(READ ${TEMPLATE} page)
string(REPLACE "<!-- window -->" "${markup}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
