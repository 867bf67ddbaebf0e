// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Landscape.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Painting.h"

using painting::mix;
using painting::Scatter;
using painting::withAlpha;

namespace {

constexpr double horizon = 222.0;

void drawSky(QPainter& painter, const Scenery& scenery) {
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, scenery.skyTop);
    sky.setColorAt(1, scenery.skyBottom);
    painter.fillRect(QRectF(0, 0, areaWidth, horizon + 4), sky);
}

void drawSun(QPainter& painter, double strength) {
    if (strength <= 0) return;
    const QPointF centre(64, 52);
    QRadialGradient glow(centre, 80);
    glow.setColorAt(0, QColor(255, 250, 210, qRound(170 * strength)));
    glow.setColorAt(1, QColor(255, 250, 210, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, 80, 80);
    painter.setPen(
        QPen(QColor(255, 214, 90, qRound(220 * strength)), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        const double angle = ray * M_PI / 6 + 0.13;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * 31, centre + direction * (ray % 2 ? 40 : 46));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 216, 80, qRound(255 * strength)));
    painter.drawEllipse(centre, 24, 24);
}

void drawMoonAndStars(QPainter& painter) {
    Scatter scatter(7);
    painter.setPen(Qt::NoPen);
    for (int star = 0; star < 70; ++star) {
        const QPointF place(scatter.next(0, areaWidth), scatter.next(0, horizon - 30));
        const double size = scatter.next(0.6, 1.8);
        painter.setBrush(QColor(255, 250, 225, qRound(scatter.next(120, 255))));
        painter.drawEllipse(place, size, size);
    }
    const QPointF centre(398, 62);
    QRadialGradient glow(centre, 70);
    glow.setColorAt(0, QColor(255, 245, 200, 90));
    glow.setColorAt(1, QColor(255, 245, 200, 0));
    painter.setBrush(glow);
    painter.drawEllipse(centre, 70, 70);
    QPainterPath moon;
    moon.addEllipse(centre, 26, 26);
    QPainterPath shadow;
    shadow.addEllipse(centre + QPointF(12, -8), 23, 23);
    painter.setBrush(QColor(255, 244, 196));
    painter.drawPath(moon.subtracted(shadow));
}

void drawRainbow(QPainter& painter) {
    const QColor bands[] = {{232, 80, 80},   {245, 160, 60}, {248, 225, 80},
                            {110, 200, 100}, {80, 150, 230}, {150, 100, 200}};
    const QPointF centre(300, horizon + 40);
    double radius = 236;
    for (const QColor& band : bands) {
        painter.setPen(QPen(withAlpha(band, 120), 7.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, radius, radius);
        radius -= 7;
    }
}

QPainterPath cloudShape(QPointF at, double size) {
    QPainterPath cloud;
    cloud.addEllipse(at + QPointF(-size * 0.9, 0), size * 0.7, size * 0.5);
    cloud.addEllipse(at + QPointF(-size * 0.3, -size * 0.35), size * 0.65, size * 0.6);
    cloud.addEllipse(at + QPointF(size * 0.4, -size * 0.2), size * 0.6, size * 0.5);
    cloud.addEllipse(at + QPointF(size * 0.95, size * 0.05), size * 0.55, size * 0.42);
    cloud.addRoundedRect(QRectF(at.x() - size * 1.4, at.y() - size * 0.1, size * 2.9, size * 0.55),
                         size * 0.27, size * 0.27);
    cloud.setFillRule(Qt::WindingFill);
    return cloud.simplified();
}

void drawClouds(QPainter& painter, const Scenery& scenery) {
    if (scenery.clouds <= 0) return;
    // Placed so that the first ones drift past the sun only when the sky is already grey.
    const QPointF places[] = {{250, 40}, {420, 58}, {120, 70}, {30, 34},
                              {340, 92}, {190, 20}, {470, 24}, {70, 110}};
    const double sizes[] = {34, 30, 36, 30, 28, 26, 24, 30};
    const int count = qRound(scenery.clouds * 8);
    const QColor light = mix(QColor(255, 255, 255), QColor(150, 156, 166), scenery.clouds);
    const QColor dark = mix(QColor(218, 228, 238), QColor(104, 110, 122), scenery.clouds);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPainterPath cloud = cloudShape(places[i], sizes[i] * (0.8 + 0.4 * scenery.clouds));
        painter.setBrush(withAlpha(dark, 235));
        painter.drawPath(cloud.translated(0, 5));
        painter.setBrush(withAlpha(light, 240));
        painter.drawPath(cloud);
    }
}

void drawHills(QPainter& painter, const Scenery& scenery) {
    QPainterPath hills;
    // Down below the tree line, so no sky shows between the trunks.
    hills.moveTo(0, horizon + 12);
    hills.lineTo(0, 178);
    hills.cubicTo(90, 150, 160, 190, 250, 172);
    hills.cubicTo(330, 156, 410, 150, areaWidth, 176);
    hills.lineTo(areaWidth, horizon + 12);
    hills.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(scenery.hills);
    painter.drawPath(hills);
}

QPainterPath spruce(QPointF foot, double height) {
    const double width = height * 0.42;
    QPainterPath tree;
    tree.moveTo(foot.x(), foot.y() - height);
    for (int tier = 1; tier <= 4; ++tier) {
        const double y = foot.y() - height + height * tier / 4.2;
        const double half = width / 2 * (0.45 + 0.55 * tier / 4.0);
        tree.lineTo(foot.x() + half, y);
        if (tier < 4) tree.lineTo(foot.x() + half * 0.45, y - height * 0.04);
    }
    tree.lineTo(foot.x() + 3, foot.y());
    tree.lineTo(foot.x() - 3, foot.y());
    for (int tier = 4; tier >= 1; --tier) {
        const double y = foot.y() - height + height * tier / 4.2;
        const double half = width / 2 * (0.45 + 0.55 * tier / 4.0);
        if (tier < 4) tree.lineTo(foot.x() - half * 0.45, y - height * 0.04);
        tree.lineTo(foot.x() - half, y);
    }
    tree.closeSubpath();
    return tree;
}

void drawForest(QPainter& painter, const Scenery& scenery) {
    Scatter scatter(11);
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        const QColor colour = row == 0 ? mix(scenery.trees, scenery.hills, 0.45) : scenery.trees;
        double x = row == 0 ? -6 : -14;
        while (x < areaWidth + 20) {
            const double height = scatter.next(44, 78) * (row == 0 ? 0.8 : 1.0);
            const QPointF foot(x, horizon + 4 + row * 6);
            painter.setBrush(colour);
            painter.drawPath(spruce(foot, height));
            if (scenery.snow) {
                painter.setBrush(QColor(248, 250, 255, 220));
                QPainterPath top;
                top.addRect(QRectF(x - 30, foot.y() - height, 60, height * 0.35));
                painter.drawPath(spruce(foot, height).intersected(top));
            }
            x += scatter.next(16, 28);
        }
    }
}

void drawGround(QPainter& painter, const Scenery& scenery) {
    QLinearGradient ground(0, horizon, 0, areaHeight);
    ground.setColorAt(0, scenery.groundFar);
    ground.setColorAt(1, scenery.groundNear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ground);
    painter.drawRect(QRectF(0, horizon + 8, areaWidth, areaHeight - horizon));
    // A gentle rise in the foreground where the lynx sits.
    QPainterPath knoll;
    knoll.moveTo(0, 318);
    knoll.cubicTo(120, 296, 280, 300, areaWidth, 322);
    knoll.lineTo(areaWidth, areaHeight);
    knoll.lineTo(0, areaHeight);
    knoll.closeSubpath();
    painter.setBrush(mix(scenery.groundNear, scenery.groundFar, 0.35));
    painter.drawPath(knoll);

    Scatter scatter(23);
    const QColor blade = mix(scenery.groundNear, QColor(20, 50, 20), scenery.snow ? 0.15 : 0.3);
    painter.setPen(QPen(withAlpha(blade, 150), 1.1, Qt::SolidLine, Qt::RoundCap));
    for (int tuft = 0; tuft < 90; ++tuft) {
        const QPointF at(scatter.next(0, areaWidth), scatter.next(horizon + 14, areaHeight));
        const double size = 2 + 5 * (at.y() - horizon) / (areaHeight - horizon);
        painter.drawLine(at, at + QPointF(-size * 0.5, -size));
        painter.drawLine(at, at + QPointF(0, -size * 1.3));
        painter.drawLine(at, at + QPointF(size * 0.5, -size));
    }
    Scatter flowers(31);
    painter.setPen(Qt::NoPen);
    for (int flower = 0; flower < scenery.flowers; ++flower) {
        const QPointF at(flowers.next(0, areaWidth), flowers.next(horizon + 20, areaHeight - 6));
        const double size = 1.2 + 2.6 * (at.y() - horizon) / (areaHeight - horizon);
        painter.setBrush(scenery.flowerColour);
        for (int petal = 0; petal < 5; ++petal) {
            const double angle = petal * 2 * M_PI / 5;
            painter.drawEllipse(at + QPointF(std::cos(angle), std::sin(angle)) * size, size * 0.8,
                                size * 0.8);
        }
        painter.setBrush(QColor(250, 240, 200));
        painter.drawEllipse(at, size * 0.6, size * 0.6);
    }
}

}  // namespace

void drawScenery(QPainter& painter, const Scenery& scenery) {
    drawSky(painter, scenery);
    if (scenery.night)
        drawMoonAndStars(painter);
    else
        drawSun(painter, scenery.sun);
    if (scenery.rainbow) drawRainbow(painter);
    drawHills(painter, scenery);
    drawForest(painter, scenery);
    drawClouds(painter, scenery);
    drawGround(painter, scenery);
}

void drawFalling(QPainter& painter, const Scenery& scenery) {
    if (scenery.rain > 0) {
        Scatter scatter(41);
        painter.setPen(QPen(QColor(200, 215, 235, qRound(90 + 90 * scenery.rain)), 1.3,
                            Qt::SolidLine, Qt::RoundCap));
        const int drops = qRound(260 * scenery.rain);
        for (int drop = 0; drop < drops; ++drop) {
            const QPointF at(scatter.next(-20, areaWidth), scatter.next(-10, areaHeight));
            painter.drawLine(at, at + QPointF(4, 13));
        }
    }
    if (scenery.snow) {
        Scatter scatter(43);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 225));
        for (int flake = 0; flake < 120; ++flake) {
            const QPointF at(scatter.next(0, areaWidth), scatter.next(0, areaHeight));
            const double size = scatter.next(0.8, 2.4);
            painter.drawEllipse(at, size, size);
        }
    }
    if (scenery.fallingLeaves > 0) {
        Scatter scatter(47);
        painter.setPen(Qt::NoPen);
        const QColor colours[] = {{214, 110, 40}, {236, 170, 50}, {190, 70, 40}};
        for (int leaf = 0; leaf < scenery.fallingLeaves; ++leaf) {
            const QPointF at(scatter.next(0, areaWidth), scatter.next(0, areaHeight));
            painter.save();
            painter.translate(at);
            painter.rotate(scatter.next(0, 360));
            painter.setBrush(colours[leaf % 3]);
            QPainterPath shape;
            shape.moveTo(-5, 0);
            shape.quadTo(0, -4, 5, 0);
            shape.quadTo(0, 4, -5, 0);
            painter.drawPath(shape);
            painter.restore();
        }
    }
}
