// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>

#include "PictureSet.h"

// Draws one picture into the 488 x 376 area (the painter may scale it up).
void drawPicture(QPainter& painter, const PictureContent& content);
