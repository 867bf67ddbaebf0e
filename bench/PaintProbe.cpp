// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PaintProbe.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

#include "Monotonic.h"

PaintProbe::PaintProbe(QObject* parent, Listener listener)
    : QObject(parent), listener_(std::move(listener)) {}

bool PaintProbe::eventFilter(QObject* target, QEvent* event) {
    const bool paintLike = event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest;
    if (!paintLike || !target->isWidgetType()) return false;
    // The event on its second way through, handed on below: let it reach the widget.
    if (std::find(handingOn_.begin(), handingOn_.end(), event) != handingOn_.end()) return false;

    auto* widget = static_cast<QWidget*>(target);
    handingOn_.push_back(event);
    QCoreApplication::sendEvent(widget, event);
    handingOn_.pop_back();
    if (event->type() == QEvent::Paint) painted_.push_back(widget);
    if (handingOn_.empty() && !painted_.empty()) {
        const long long end = monotonicNanoseconds();
        const std::vector<QWidget*> painted = std::move(painted_);
        painted_.clear();
        listener_(painted, end);
    }
    return true;
}
