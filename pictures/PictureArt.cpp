// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureArt.h"

#include <QRadialGradient>
#include <algorithm>

#include "Emblems.h"
#include "Landscape.h"
#include "Lynx.h"
#include "Painting.h"

using painting::lerp;
using painting::mix;

namespace {

// Where the message boxes leave the picture free: the lynx sits below them, the badge and the
// standing bar stay clear of their sides.
constexpr QPointF lynxFoot(190, groundLine);
constexpr double lynxScale = 0.8;
constexpr QPointF badgeCentre(454, 36);
const QRectF standingBox(350, 300, 126, 64);

// The weather follows the standing: sunshine at the top of a round, rain at the bottom.
Scenery feedbackScenery(double cheer, bool correct, int standing) {
    Scenery scenery;
    scenery.skyTop = mix(QColor(112, 122, 138), QColor(74, 156, 228), cheer);
    scenery.skyBottom = mix(QColor(170, 176, 186), QColor(206, 234, 250), cheer);
    scenery.hills = mix(QColor(112, 126, 126), QColor(118, 170, 156), cheer);
    scenery.trees = mix(QColor(48, 70, 64), QColor(40, 104, 70), cheer);
    scenery.groundFar = mix(QColor(128, 146, 110), QColor(158, 206, 106), cheer);
    scenery.groundNear = mix(QColor(92, 116, 84), QColor(104, 170, 76), cheer);
    scenery.sun = std::clamp((cheer - 0.3) / 0.5, 0.0, 1.0);
    scenery.clouds = std::clamp(1.0 - cheer + (correct ? 0.0 : 0.15), 0.0, 1.0);
    scenery.rain = correct ? 0.0 : std::clamp((standing - 4) / 2.0, 0.0, 1.0);
    scenery.rainbow = correct && standing == 1;
    scenery.flowers = qRound(50 * cheer);
    return scenery;
}

LynxLook feedbackLook(double cheer, bool correct, int standing) {
    LynxLook look;
    look.earDroop = (1 - cheer) * 0.85 + (correct ? 0.0 : 0.1);
    look.smile = correct ? lerp(0.0, 1.0, cheer) : lerp(-1.0, 0.1, cheer);
    look.eyeOpen = correct ? lerp(0.75, 1.0, cheer) : lerp(0.35, 0.75, cheer);
    look.worry = correct ? std::max(0.0, 0.5 - cheer) : lerp(1.0, 0.6, cheer);
    // Only the top two standings wave.
    look.pawRaise = correct && standing <= 2 ? 1.0 - (standing - 1) * 0.15 : 0.0;
    look.headTilt = correct ? 0.0 : -9.0;
    look.slump = (1 - cheer) * 0.9;
    look.tailLift = correct ? cheer : cheer * 0.4;
    look.laughingEyes = correct && standing == 1;
    look.tear = !correct && standing == 6;
    return look;
}

void drawFeedback(QPainter& painter, const PictureContent& content) {
    const double cheer = (6 - content.standing) / 5.0;
    const Scenery scenery = feedbackScenery(cheer, content.correct, content.standing);
    drawScenery(painter, scenery);
    drawSittingLynx(painter, lynxFoot, lynxScale,
                    feedbackLook(cheer, content.correct, content.standing));
    drawFalling(painter, scenery);
    drawVerdictBadge(painter, badgeCentre, content.correct);
    drawStandingBar(painter, standingBox, 6 - content.standing);
}

// Each round has its season: spring, summer, autumn, winter.
Scenery roundScenery(int round) {
    Scenery scenery;
    switch (round) {
        case 1:
            scenery.groundFar = QColor(170, 214, 120);
            scenery.groundNear = QColor(120, 184, 90);
            scenery.flowerColour = QColor(255, 255, 255);
            scenery.flowers = 60;
            scenery.clouds = 0.25;
            break;
        case 2:
            scenery.flowerColour = QColor(250, 210, 60);
            scenery.flowers = 70;
            break;
        case 3:
            scenery.skyTop = QColor(110, 160, 210);
            scenery.skyBottom = QColor(236, 220, 190);
            scenery.hills = QColor(170, 130, 90);
            scenery.trees = QColor(52, 84, 60);
            scenery.groundFar = QColor(196, 170, 100);
            scenery.groundNear = QColor(170, 130, 70);
            scenery.sun = 0.7;
            scenery.clouds = 0.375;
            scenery.fallingLeaves = 45;
            break;
        default:
            scenery.skyTop = QColor(130, 170, 210);
            scenery.skyBottom = QColor(226, 236, 246);
            scenery.hills = QColor(208, 222, 236);
            scenery.trees = QColor(58, 92, 88);
            scenery.groundFar = QColor(236, 242, 250);
            scenery.groundNear = QColor(214, 226, 240);
            scenery.sun = 0.6;
            scenery.snow = true;
            break;
    }
    return scenery;
}

void drawRound(QPainter& painter, const PictureContent& content) {
    const Scenery scenery = roundScenery(content.round);
    drawScenery(painter, scenery);
    drawRoundSign(painter, QPointF(352, groundLine - 4), content.round);
    LynxLook look;
    look.smile = 0.6;
    look.pawRaise = 0.45;
    look.tailLift = 0.8;
    drawSittingLynx(painter, QPointF(168, groundLine), 0.95, look);
    drawFalling(painter, scenery);
}

void drawFireflies(QPainter& painter) {
    const QPointF places[] = {{70, 262}, {112, 300}, {402, 250}, {446, 292}, {360, 318}, {30, 330}};
    painter.setPen(Qt::NoPen);
    for (const QPointF& place : places) {
        QRadialGradient glow(place, 9);
        glow.setColorAt(0, QColor(250, 240, 140, 230));
        glow.setColorAt(0.25, QColor(240, 230, 120, 120));
        glow.setColorAt(1, QColor(240, 230, 120, 0));
        painter.setBrush(glow);
        painter.drawEllipse(place, 9, 9);
    }
}

void drawWaiting(QPainter& painter) {
    Scenery scenery;
    scenery.night = true;
    scenery.sun = 0;
    scenery.skyTop = QColor(18, 26, 62);
    scenery.skyBottom = QColor(76, 82, 136);
    scenery.hills = QColor(44, 52, 92);
    scenery.trees = QColor(22, 36, 52);
    scenery.groundFar = QColor(46, 66, 78);
    scenery.groundNear = QColor(34, 52, 62);
    drawScenery(painter, scenery);
    drawRestingLynx(painter, QPointF(244, groundLine - 6), 1.0);
    // Moonlight: the lynx keeps its colours, only dimmed and cooled.
    painter.fillRect(QRectF(0, 0, areaWidth, areaHeight), QColor(24, 34, 96, 70));
    drawFireflies(painter);
}

}  // namespace

void drawPicture(QPainter& painter, const PictureContent& content) {
    painter.setRenderHint(QPainter::Antialiasing);
    switch (content.kind) {
        case PictureContent::Kind::Waiting:
            drawWaiting(painter);
            break;
        case PictureContent::Kind::Round:
            drawRound(painter, content);
            break;
        case PictureContent::Kind::Feedback:
            drawFeedback(painter, content);
            break;
    }
}
