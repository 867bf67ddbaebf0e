// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

// Tells Qt's accessibility what the program's own widgets are: the main window is a frame, the
// picture area a picture and an announcement a notification. Without this Qt reports them as
// unnamed fillers. Safe to call more than once.
void installAccessibleRoles();
