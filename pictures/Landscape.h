// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainter>
#include <cstdint>

// The forest edge behind the lynx: its light, weather and season. Drawn in the 488 x 376 area.
struct Scenery {
    QColor skyTop{96, 170, 230};
    QColor skyBottom{200, 230, 245};
    QColor hills{120, 160, 150};
    QColor trees{46, 96, 70};
    QColor groundFar{150, 190, 100};
    QColor groundNear{110, 160, 80};
    double sun = 1.0;     // 0 hidden .. 1 bright
    double clouds = 0.0;  // 0 clear .. 1 overcast
    double rain = 0.0;    // 0 dry .. 1 pouring
    bool rainbow = false;
    bool night = false;
    bool snow = false;
    QColor flowerColour{250, 215, 70};
    int flowers = 0;
    int fallingLeaves = 0;
};

// The art's own coordinates, which the drawer scales to the window's picture area.
constexpr double areaWidth = 488.0;
constexpr double areaHeight = 376.0;
constexpr double groundLine = 362.0;  // where the lynx sits

// Sky, light, hills, forest and meadow.
void drawScenery(QPainter& painter, const Scenery& scenery);
// Rain, snowfall and leaves, in front of everything else.
void drawFalling(QPainter& painter, const Scenery& scenery);
