// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// The program's icon, a small window with a cyan title bar, at 16, 32 and 48 pixels.
QIcon programIcon();
