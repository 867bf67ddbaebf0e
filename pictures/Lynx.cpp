// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Lynx.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "Painting.h"

using painting::mix;
using painting::withAlpha;

namespace {

const QColor fur(201, 150, 96);
const QColor furShade(160, 110, 66);
const QColor cream(246, 236, 218);
const QColor spot(104, 66, 38);
const QColor ink(42, 32, 28);
const QColor iris(212, 186, 58);
const QColor noseColour(190, 112, 104);
const QColor innerEar(236, 200, 184);

void fillPath(QPainter& painter, const QPainterPath& path, const QColor& colour,
              const QColor& outline = Qt::transparent, double outlineWidth = 0) {
    painter.setPen(outlineWidth > 0
                       ? QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                       : QPen(Qt::NoPen));
    painter.setBrush(colour);
    painter.drawPath(path);
}

QPainterPath ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

void drawSpots(QPainter& painter, std::initializer_list<QPointF> places, double size) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(spot, 170));
    for (const QPointF& place : places) painter.drawEllipse(place, size, size * 0.8);
}

void drawEar(QPainter& painter, int side, const LynxLook& look) {
    painter.save();
    painter.translate(side * 26, -24);
    painter.rotate(side * (8 + look.earDroop * 58));
    QPainterPath outer;
    outer.moveTo(-13, 8);
    outer.quadTo(-8, -20, 0, -40);
    outer.quadTo(8, -20, 13, 8);
    outer.closeSubpath();
    fillPath(painter, outer, furShade, ink, 2.6);
    QPainterPath inner;
    inner.moveTo(-7, 5);
    inner.quadTo(-4, -14, 0, -28);
    inner.quadTo(4, -14, 7, 5);
    inner.closeSubpath();
    fillPath(painter, inner, innerEar);
    // The black tufts that make a lynx a lynx.
    painter.setPen(QPen(ink, 3.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -38), QPointF(side * 1.5, -56));
    painter.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(0, -38), QPointF(side * -3, -52));
    painter.restore();
}

QPainterPath ruffShape() {
    const QPointF points[] = {{-40, -14}, {-64, 2},  {-50, 9}, {-63, 22}, {-45, 26}, {-51, 39},
                              {-29, 35},  {-16, 47}, {0, 39},  {16, 47},  {29, 35},  {51, 39},
                              {45, 26},   {63, 22},  {50, 9},  {64, 2},   {40, -14}, {0, 0}};
    QPainterPath path;
    path.moveTo(points[0]);
    for (std::size_t i = 1; i + 1 < std::size(points); ++i) path.lineTo(points[i]);
    path.quadTo(0, 10, points[0].x(), points[0].y());
    return path;
}

void drawEye(QPainter& painter, int side, const LynxLook& look) {
    painter.save();
    painter.translate(side * 17, -6);
    if (look.asleep || look.laughingEyes) {
        // Closed eyes: a calm curve down when asleep, a laughing arch when delighted.
        painter.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        QPainterPath lid;
        lid.moveTo(-8, 0);
        lid.quadTo(0, look.asleep ? 6 : -9, 8, 0);
        painter.drawPath(lid);
        painter.restore();
        return;
    }
    painter.rotate(side * look.worry * 14);
    const double height = 2.2 + 5.2 * look.eyeOpen;
    QPainterPath eye;
    eye.moveTo(-9, 0.5);
    eye.quadTo(0, -height * 1.55, 9, -0.5);
    eye.quadTo(0, height * 1.25, -9, 0.5);
    eye.closeSubpath();
    fillPath(painter, eye, iris);
    painter.save();
    painter.setClipPath(eye);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(side * -0.8, -0.3), 2.6, 4.6);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawEllipse(QPointF(side * -0.8 + 2.2, -2.4), 1.3, 1.3);
    // A heavy upper lid when the lynx is low.
    if (look.eyeOpen < 0.8) {
        painter.setBrush(fur);
        painter.drawRect(QRectF(-10, -12, 20, 12 * (0.8 - look.eyeOpen) + 4));
    }
    painter.restore();
    painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(eye);
    // The dark line running down from the inner corner of a lynx's eye.
    painter.drawLine(QPointF(side * -9, 0.5), QPointF(side * -11, 5));
    painter.restore();
}

void drawBrows(QPainter& painter, const LynxLook& look) {
    if (look.asleep) return;
    painter.setPen(QPen(withAlpha(ink, 210), 2.3, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const int side : {-1, 1}) {
        const double lift = look.laughingEyes ? 3 : 0;
        QPainterPath brow;
        brow.moveTo(side * 9, -18 - look.worry * 6 - lift);
        brow.quadTo(side * 17, -22 - lift, side * 25, -19 + look.worry * 4 - lift);
        painter.drawPath(brow);
    }
}

void drawMouth(QPainter& painter, const LynxLook& look) {
    painter.setPen(QPen(ink, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(0, 12), QPointF(0, 17));
    if (look.smile > 0.75) {
        QPainterPath open;
        open.moveTo(-11, 15);
        open.quadTo(0, 19, 11, 15);
        open.quadTo(0, 33, -11, 15);
        open.closeSubpath();
        fillPath(painter, open, QColor(150, 50, 60), ink, 2.0);
        fillPath(painter, ellipse(QPointF(0, 24), 4.5, 2.8), QColor(232, 120, 130));
        return;
    }
    const double corner = 17 - look.smile * 6;
    QPainterPath mouth;
    mouth.moveTo(-12, corner);
    mouth.quadTo(-5, 17 + look.smile * 5, 0, 17);
    mouth.quadTo(5, 17 + look.smile * 5, 12, corner);
    painter.drawPath(mouth);
}

void drawHead(QPainter& painter, const LynxLook& look) {
    for (const int side : {-1, 1}) drawEar(painter, side, look);
    fillPath(painter, ruffShape(), cream, furShade, 1.2);
    painter.setPen(QPen(withAlpha(ink, 190), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (const int side : {-1, 1}) {
        QPainterPath stripe;
        stripe.moveTo(side * 34, 6);
        stripe.quadTo(side * 46, 12, side * 52, 24);
        painter.drawPath(stripe);
        stripe = QPainterPath();
        stripe.moveTo(side * 30, 18);
        stripe.quadTo(side * 38, 26, side * 40, 34);
        painter.drawPath(stripe);
    }
    QPainterPath skull;
    skull.moveTo(-44, 2);
    skull.cubicTo(-46, -30, -24, -40, 0, -40);
    skull.cubicTo(24, -40, 46, -30, 44, 2);
    skull.cubicTo(40, 26, 20, 34, 0, 34);
    skull.cubicTo(-20, 34, -40, 26, -44, 2);
    QRadialGradient shading(QPointF(0, -10), 52);
    shading.setColorAt(0, mix(fur, cream, 0.15));
    shading.setColorAt(1, furShade);
    painter.setPen(QPen(furShade, 1.2));
    painter.setBrush(shading);
    painter.drawPath(skull);
    // Light fur around the eyes and the forehead stripes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(cream, 200));
    for (const int side : {-1, 1}) painter.drawEllipse(QPointF(side * 17, -4), 14, 11);
    painter.setPen(QPen(withAlpha(spot, 200), 1.8, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {-7.0, 0.0, 7.0})
        painter.drawLine(QPointF(x, -36), QPointF(x * 0.8, -24 - std::abs(x)));
    drawSpots(painter, {{-30, -24}, {30, -24}, {-36, -12}, {36, -12}, {-22, -32}, {22, -32}}, 1.7);
    for (const int side : {-1, 1}) drawEye(painter, side, look);
    drawBrows(painter, look);
    // Muzzle, chin and nose.
    fillPath(painter, ellipse(QPointF(0, 22), 10, 8), cream);
    fillPath(painter, ellipse(QPointF(-8, 13), 10, 7.5), cream);
    fillPath(painter, ellipse(QPointF(8, 13), 10, 7.5), cream);
    QPainterPath nose;
    nose.moveTo(-6.5, 5);
    nose.quadTo(0, 3, 6.5, 5);
    nose.quadTo(2, 11, 0, 12);
    nose.quadTo(-2, 11, -6.5, 5);
    fillPath(painter, nose, noseColour, ink, 1.5);
    drawMouth(painter, look);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 0.9, Qt::SolidLine, Qt::RoundCap));
    for (const int side : {-1, 1}) {
        for (int whisker = 0; whisker < 3; ++whisker) {
            const double y = 12 + whisker * 3;
            painter.drawLine(QPointF(side * 14, y),
                             QPointF(side * 46, y - 6 + whisker * 6 + look.slump * 4));
        }
    }
    if (look.tear) {
        QPainterPath drop;
        drop.moveTo(-25, 2);
        drop.cubicTo(-21, 9, -19, 12, -22, 14);
        drop.cubicTo(-25, 16, -29, 12, -25, 2);
        fillPath(painter, drop, QColor(120, 190, 240, 230), QColor(70, 130, 190), 1.0);
    }
}

void drawPaw(QPainter& painter, QPointF centre) {
    fillPath(painter, ellipse(centre, 16, 9.5), mix(fur, cream, 0.35), furShade, 1.2);
    painter.setPen(QPen(withAlpha(ink, 150), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {-5.0, 0.0, 5.0})
        painter.drawLine(centre + QPointF(x, 2), centre + QPointF(x, 8));
}

// The short tail is a furred stroke that ends in a black tip.
void strokeTail(QPainter& painter, const QPainterPath& tail, QPointF tip, double tipHeight) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(furShade, 17, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(tail);
    painter.setPen(QPen(fur, 13, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(tail);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(tip, 8.5, tipHeight);
}

void drawTail(QPainter& painter, double lift) {
    QPainterPath tail;
    tail.moveTo(40, -12);
    const QPointF tip(92, -24 - lift * 26);
    tail.cubicTo(66, -8, 86, -10, tip.x(), tip.y());
    strokeTail(painter, tail, tip, 8.5);
}

void drawFrontLeg(QPainter& painter, double x) {
    QPainterPath leg;
    leg.addRoundedRect(QRectF(x - 11, -104, 22, 98), 10, 10);
    fillPath(painter, leg, fur, furShade, 1.2);
    drawSpots(painter, {{x - 4, -64}, {x + 5, -50}, {x - 2, -36}, {x + 3, -24}}, 1.8);
    drawPaw(painter, QPointF(x, -8));
}

void drawRaisedLeg(QPainter& painter, double raise) {
    painter.save();
    painter.translate(22, -102);
    painter.rotate(-150 * raise);
    QPainterPath leg;
    leg.addRoundedRect(QRectF(-11, -6, 22, 94), 10, 10);
    fillPath(painter, leg, fur, furShade, 1.2);
    drawSpots(painter, {{-3, 30}, {4, 52}}, 2.2);
    painter.translate(0, 92);
    painter.rotate(180);
    fillPath(painter, ellipse(QPointF(0, 0), 14, 12), mix(fur, cream, 0.35), furShade, 1.2);
    // The pads of the waving paw.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 80, 70));
    painter.drawEllipse(QPointF(0, 3), 5, 4);
    for (const double x : {-6.5, 0.0, 6.5}) painter.drawEllipse(QPointF(x, -5), 2.4, 2.6);
    painter.restore();
}

}  // namespace

void drawSittingLynx(QPainter& painter, QPointF groundCentre, double scale, const LynxLook& look) {
    painter.save();
    painter.translate(groundCentre);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawEllipse(QPointF(10, 0), 95, 10);

    drawTail(painter, look.tailLift);
    for (const int side : {-1, 1}) {
        fillPath(painter, ellipse(QPointF(side * 40, -32), 36, 32), fur, furShade, 1.2);
        fillPath(painter, ellipse(QPointF(side * 60, -7), 21, 8.5), mix(fur, cream, 0.3), furShade,
                 1.2);
    }
    drawSpots(painter,
              {{-56, -46},
               {-38, -54},
               {-47, -22},
               {-64, -30},
               {54, -48},
               {33, -52},
               {48, -26},
               {64, -34}},
              3.0);
    QPainterPath body;
    body.moveTo(-30, -130);
    body.cubicTo(-58, -100, -62, -40, -46, -4);
    body.lineTo(46, -4);
    body.cubicTo(62, -40, 58, -100, 30, -130);
    body.closeSubpath();
    QRadialGradient bodyShade(QPointF(0, -90), 70);
    bodyShade.setColorAt(0, mix(fur, cream, 0.2));
    bodyShade.setColorAt(1, furShade);
    painter.setPen(QPen(furShade, 1.2));
    painter.setBrush(bodyShade);
    painter.drawPath(body);
    // The pale bib under the ruff, widest at the top.
    QPainterPath chest;
    chest.moveTo(-32, -128);
    chest.cubicTo(-40, -96, -30, -58, 0, -44);
    chest.cubicTo(30, -58, 40, -96, 32, -128);
    chest.closeSubpath();
    fillPath(painter, chest, cream);
    drawSpots(painter,
              {{-44, -96},
               {-48, -74},
               {-38, -58},
               {-42, -114},
               {45, -100},
               {47, -80},
               {40, -62},
               {38, -116},
               {-50, -44},
               {51, -46}},
              2.4);

    drawFrontLeg(painter, -20);
    if (look.pawRaise > 0)
        drawRaisedLeg(painter, look.pawRaise);
    else
        drawFrontLeg(painter, 20);

    painter.translate(0, -150 + look.slump * 18);
    painter.rotate(look.headTilt);
    drawHead(painter, look);
    painter.restore();
}

void drawRestingLynx(QPainter& painter, QPointF groundCentre, double scale) {
    painter.save();
    painter.translate(groundCentre);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(QPointF(0, 0), 120, 11);

    QPainterPath body;
    body.moveTo(-100, -4);
    body.cubicTo(-110, -60, -40, -78, 20, -74);
    body.cubicTo(80, -70, 112, -40, 104, -4);
    body.closeSubpath();
    fillPath(painter, body, fur, furShade, 1.2);
    drawSpots(painter,
              {{-70, -40},
               {-52, -56},
               {-30, -64},
               {40, -62},
               {62, -50},
               {80, -34},
               {-84, -22},
               {70, -18},
               {20, -66}},
              3.2);
    // The tail wraps around the front.
    QPainterPath tail;
    tail.moveTo(96, -14);
    tail.cubicTo(110, 2, 84, 4, 56, 2);
    strokeTail(painter, tail, QPointF(56, 2), 8);

    LynxLook look;
    look.asleep = true;
    look.earDroop = 0.3;
    look.smile = 0.25;
    look.slump = 0.4;
    painter.save();
    painter.translate(-8, -58);
    painter.rotate(-6);
    drawHead(painter, look);
    painter.restore();
    drawPaw(painter, QPointF(-30, -6));
    drawPaw(painter, QPointF(8, -5));
    painter.restore();
}
