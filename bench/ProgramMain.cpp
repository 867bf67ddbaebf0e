// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
// The real program, started exactly as src/app/main.cpp starts it, with a probe that Qt installs
// while it builds the application object. TORVAMIK_BENCH_PROBE chooses the probe: "first-paint"
// reports the first paint of the window and stops, "play" plays the whole quiz. The optional
// argument is the clock's speed: a played run may shorten its pauses, which changes neither its
// memory nor its picture switches.
#include <QCoreApplication>
#include <cstdlib>
#include <string>

#include "FirstPaintReport.h"
#include "Form1.h"
#include "QtProgram.h"
#include "QuizPlayer.h"

namespace {

void installProbe() {
    QCoreApplication* application = QCoreApplication::instance();
    const QByteArray probe = qgetenv("TORVAMIK_BENCH_PROBE");
    if (probe == "first-paint") new FirstPaintReport(application);
    if (probe == "play") new QuizPlayer(application);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

int main(int argc, char* argv[]) {
    const double speed = argc > 1 ? std::strtod(argv[1], nullptr) : 1.0;
    runQtProgram(torvamikProgram(), argc > 0 ? argv[0] : "torvamik",
                 SteadyClock(speed > 0.0 ? speed : 1.0));
}
