// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "FirstPaintReport.h"

#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "PaintProbe.h"

FirstPaintReport::FirstPaintReport(QObject* parent)
    : QObject(parent),
      probe_(new PaintProbe(this, [this](const std::vector<QWidget*>&, long long endNs) {
          lastPaintEnd_ = endNs;
          // A window paints its children one after another; the report waits until the event
          // loop turns again, so the last of them is in.
          if (!reportPending_) {
              reportPending_ = true;
              QTimer::singleShot(0, this, [this] { report(); });
          }
      })) {
    parent->installEventFilter(probe_);
}

void FirstPaintReport::report() const {
    std::printf("first-paint %lld\n", lastPaintEnd_);
    std::fflush(stdout);
    std::_Exit(0);
}
