// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "Emblems.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

#include "Painting.h"

using painting::mix;
using painting::withAlpha;

void drawVerdictBadge(QPainter& painter, QPointF centre, bool correct) {
    const double radius = 22;
    painter.save();
    painter.translate(centre);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(QPointF(1.5, 2.5), radius + 2, radius + 2);
    const QColor colour = correct ? QColor(64, 168, 92) : QColor(218, 84, 64);
    painter.setPen(QPen(Qt::white, 3.5));
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(0, 0), radius, radius);
    painter.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (correct) {
        QPainterPath tick;
        tick.moveTo(-10, 1);
        tick.lineTo(-3, 8);
        tick.lineTo(10, -8);
        painter.drawPath(tick);
    } else {
        painter.drawLine(QPointF(-8, -8), QPointF(8, 8));
        painter.drawLine(QPointF(-8, 8), QPointF(8, -8));
    }
    painter.restore();
}

void drawStandingBar(QPainter& painter, const QRectF& box, int filled) {
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    painter.setBrush(QColor(30, 40, 40, 150));
    painter.drawRoundedRect(box, 10, 10);
    const double margin = 10;
    const double gap = 5;
    const double stepWidth = (box.width() - 2 * margin - 4 * gap) / 5;
    const double fullHeight = box.height() - 2 * margin;
    // One colour for all lit steps: red at the bottom of the round, green at the top.
    const QColor lit = filled >= 3
                           ? mix(QColor(246, 200, 60), QColor(96, 196, 96), (filled - 3) / 2.0)
                           : mix(QColor(232, 92, 64), QColor(246, 200, 60), filled / 2.0);
    for (int step = 0; step < 5; ++step) {
        const double height = fullHeight * (step + 1) / 5.0;
        const QRectF column(box.left() + margin + step * (stepWidth + gap),
                            box.bottom() - margin - height, stepWidth, height);
        if (step < filled) {
            painter.setPen(QPen(mix(lit, Qt::black, 0.25), 1.2));
            painter.setBrush(lit);
        } else {
            painter.setPen(QPen(QColor(255, 255, 255, 170), 1.4, Qt::DashLine));
            painter.setBrush(QColor(255, 255, 255, 40));
        }
        painter.drawRoundedRect(column, 3, 3);
    }
    painter.restore();
}

void drawRoundSign(QPainter& painter, QPointF groundFoot, int round) {
    const QColor wood(176, 122, 70);
    const QColor woodDark(112, 72, 38);
    painter.save();
    painter.translate(groundFoot);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 45));
    painter.drawEllipse(QPointF(0, 0), 40, 6);
    painter.setPen(QPen(woodDark, 1.5));
    painter.setBrush(mix(wood, woodDark, 0.3));
    painter.drawRect(QRectF(-9, -120, 18, 120));

    const QRectF board(-74, -228, 148, 124);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(board.translated(3, 4), 10, 10);
    QLinearGradient grain(board.topLeft(), board.bottomLeft());
    grain.setColorAt(0, mix(wood, Qt::white, 0.12));
    grain.setColorAt(1, wood);
    painter.setPen(QPen(woodDark, 3));
    painter.setBrush(grain);
    painter.drawRoundedRect(board, 10, 10);
    painter.setPen(QPen(withAlpha(woodDark, 90), 1.2));
    for (const double y : {-212.0, -190.0, -148.0, -122.0}) {
        QPainterPath line;
        line.moveTo(board.left() + 8, y);
        line.cubicTo(-30, y - 4, 20, y + 4, board.right() - 8, y - 1);
        painter.drawPath(line);
    }
    for (const double x : {-62.0, 62.0}) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(woodDark);
        painter.drawEllipse(QPointF(x, -216), 3, 3);
    }

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(84);
    QPainterPath number;
    number.addText(0, 0, font, QString::number(round));
    const QRectF bounds = number.boundingRect();
    number.translate(-bounds.center().x(), -172 - bounds.center().y());
    // Carved: a light edge below, the dark cut above it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(withAlpha(Qt::white, 110));
    painter.drawPath(number.translated(1.5, 2));
    painter.setBrush(QColor(70, 42, 22));
    painter.drawPath(number);

    for (int mark = 1; mark <= 4; ++mark) {
        const QPointF centre(-33 + (mark - 1) * 22, -120);
        painter.setPen(QPen(QColor(70, 42, 22), 2));
        painter.setBrush(mark <= round ? QColor(248, 206, 70) : withAlpha(Qt::white, 60));
        painter.drawEllipse(centre, 6.5, 6.5);
    }
    painter.restore();
}
