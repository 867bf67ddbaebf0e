// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class PaintProbe;

// Writes "first-paint NANOSECONDS" to standard output once the first window has been painted
// completely, then ends the process at once. The time is on CLOCK_MONOTONIC.
class FirstPaintReport : public QObject {
public:
    explicit FirstPaintReport(QObject* parent);

private:
    void report() const;

    PaintProbe* probe_;
    long long lastPaintEnd_ = 0;
    bool reportPending_ = false;
};
