# SPDX-FileCopyrightText: 2026 Torvamik! developers
# SPDX-License-Identifier: MIT
# The program's authors, as the Windows version record and the AppStream metainfo name them;
# debian/copyright names them the same way.
set(TORVAMIK_AUTHORS "Torvamik! developers")
