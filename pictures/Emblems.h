// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPainter>
#include <QPointF>
#include <QRectF>

// A round badge: a green tick after a right answer, a red cross after a wrong one.
void drawVerdictBadge(QPainter& painter, QPointF centre, bool correct);

// Five steps rising left to right, the first `filled` of them lit: how well the round stands.
void drawStandingBar(QPainter& painter, const QRectF& box, int filled);

// A wooden sign on a post carrying the round's number, with four marks for the four rounds.
void drawRoundSign(QPainter& painter, QPointF groundFoot, int round);
