// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QPointF>

// How the lynx looks: every value is a degree, so moods blend smoothly from one picture to the
// next.
struct LynxLook {
    double earDroop = 0.0;  // 0 upright .. 1 flattened sideways
    double smile = 0.3;     // -1 frown .. 1 broad open smile
    double eyeOpen = 1.0;   // 0 nearly shut .. 1 wide open
    double worry = 0.0;     // 0 calm brows .. 1 inner brows raised, eyes tilted down outside
    double pawRaise = 0.0;  // 0 both paws down .. 1 right paw up beside the head
    double headTilt = 0.0;  // degrees, clockwise
    double slump = 0.0;     // 0 head held high .. 1 head sunk between the shoulders
    double tailLift = 0.5;  // 0 tail on the ground .. 1 tail tip up
    bool laughingEyes = false;
    bool asleep = false;
    bool tear = false;
};

// A lynx sitting upright, facing the viewer; groundCentre is the point between its hind feet.
// At scale 1 it stands 225 units high and 190 wide.
void drawSittingLynx(QPainter& painter, QPointF groundCentre, double scale, const LynxLook& look);

// A lynx lying curled up with its head on its front paws, asleep.
void drawRestingLynx(QPainter& painter, QPointF groundCentre, double scale);
