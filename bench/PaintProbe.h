// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QWidget>
#include <functional>
#include <vector>

// Sees when painting ends, not only when it starts. Installed as an application-wide event
// filter, it hands every paint and update request on to its widget from inside the filter and
// notes the time when that returns; the widget still paints exactly once. An update request
// covers the painting of a window and the copy of the result to the screen.
class PaintProbe : public QObject {
public:
    // The widgets painted during one outermost paint or update request, and the monotonic time
    // in nanoseconds at which it ended.
    using Listener = std::function<void(const std::vector<QWidget*>& painted, long long endNs)>;

    PaintProbe(QObject* parent, Listener listener);

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    Listener listener_;
    std::vector<QEvent*> handingOn_;
    std::vector<QWidget*> painted_;
};
