// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <cstdint>

// Small drawing helpers shared by the parts of the picture set.
namespace painting {

// The colour a fraction t of the way from a to b.
inline QColor mix(const QColor& a, const QColor& b, double t) {
    const auto channel = [t](int from, int to) { return qRound(from + (to - from) * t); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

inline QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

inline double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

// A fixed sequence of pseudo-random numbers: the same seed gives the same picture every time.
class Scatter {
public:
    explicit Scatter(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
    // A number in [low, high).
    double next(double low, double high) {
        state_ = state_ * 1664525u + 1013904223u;
        return low + (high - low) * ((state_ >> 8) / double(1u << 24));
    }

private:
    std::uint32_t state_;
};

// A closed shape through the points, smoothed with quadratic curves through the edge midpoints.
template <typename Points>
QPainterPath smoothClosed(const Points& points) {
    QPainterPath path;
    const auto count = std::size(points);
    const auto mid = [&](std::size_t i) {
        const QPointF a = points[i % count];
        const QPointF b = points[(i + 1) % count];
        return (a + b) / 2.0;
    };
    path.moveTo(mid(0));
    for (std::size_t i = 1; i <= count; ++i) path.quadTo(points[i % count], mid(i));
    path.closeSubpath();
    return path;
}

}  // namespace painting
